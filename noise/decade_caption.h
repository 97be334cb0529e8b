// A frequency-axis caption: one line whose runs of blanks place the decade numbers.  The caption stays the
// layout's text; it is drawn word by word, each of the first words centred under its decade line (x in twips of
// the screen), so that the numbers stand under their lines whatever the width of a blank in the face at hand.
// Words after the decade numbers follow with their blanks at the face's width.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "controls.h"

namespace px::noise {

class DecadeCaption : public Label {
    Q_OBJECT
public:
    DecadeCaption(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font,
                  std::array<double, 4> decades);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Word {
        QString text;
        double left;
    };
    std::vector<Word> layout() const;
    std::array<double, 4> decades_;
};

}  // namespace px::noise
