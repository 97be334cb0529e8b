// The algorithm-sheet selector Form18 and the eleven algorithm sheets Form19 to Form29.
//
// The sheets differ only in their data, so one table holds them, one row a sheet together with the selector
// button that opens it, and one class serves them all.  A sheet's page is a picture typeset from its TeX source
// (assets/sheets/formNN.tex, and formNN_en.tex for the English reading) and committed as SVG with the glyphs as
// outlines; it is drawn at the top left of the client area, 12 000 x 9 000 twips at the program's scale, sharp at
// every pixel ratio.  The page is also text: the window's accessible description holds its content in linear form,
// and Ctrl+C copies it.
#pragma once

#include <QImage>
#include <array>

#include "screen.h"

class QSvgRenderer;

namespace px {

struct Sheet {
    const char* form;           // the sheet's screen, "Form19"
    const char* caption;        // the sheet's window title, in Italian
    const char* button;         // the selector button that opens it, "Command1"
    const char* buttonCaption;  // that button's caption, in Italian
    Rect place;                 // that button's place on the selector
    const char* page;           // the page's Italian picture resource, or nullptr for a sheet without a page
    const char* text;  // the page's content in linear form, one line a line ("" without a page), in Italian
};

// The eleven sheets in the order of the selector's buttons.
extern const std::array<Sheet, 11> kSheets;

// What the current reading shows of a sheet: its window title, its selector button's caption, its page's picture
// resource (the Italian one or its English twin, "" without a page) and its page's linear text ("" without a page).
QString sheetCaption(const Sheet& sheet);
QString sheetButtonCaption(const Sheet& sheet);
QString sheetPage(const Sheet& sheet);
QString sheetText(const Sheet& sheet);

// The page's extent in twips: what an 800 x 600 picture covers at 15 twips a pixel.
inline constexpr double kPageWidth = 12000;
inline constexpr double kPageHeight = 9000;

class Form18 : public Screen {
    Q_OBJECT
public:
    Form18();
    // The Click handler of each button: shows the sheet of its row.
    void Command_Click(const Sheet& sheet);

    Label* Label1;
    Picture* Picture2;
    std::array<Button*, kSheets.size()> Command;  // Command1 ... Command11, in the table's order
};

// One algorithm sheet: a window with no control whose whole content is its page.
class AlgorithmSheet : public Screen {
    Q_OBJECT
public:
    explicit AlgorithmSheet(const Sheet& sheet);
    ~AlgorithmSheet() override;
    const Sheet& sheet() const { return sheet_; }
    // The page's content in linear form, as the window's description gives it and Ctrl+C copies it.
    QString pageText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Sheet& sheet_;
    QString text_;  // the page's linear text in the reading the window opened in
    QSvgRenderer* renderer_ = nullptr;
    QImage page_;  // the page rendered for the current size and pixel ratio
};

}  // namespace px
