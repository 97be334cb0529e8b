// The glossary Form17: the meaning and unit of each symbol the calculators use, printed on the window.
#pragma once

#include <QStringList>
#include <array>

#include "screen.h"

namespace px {

// The glossary's lines in print order; an empty line is a Print with no text.
extern const std::array<const char*, 26> kGlossaryLines;
// One line of the glossary in the current reading, blanks included.
QString glossaryLine(std::size_t line);

class Form17 : public Screen {
    Q_OBJECT
public:
    Form17();

    Picture* Image2;

protected:
    // Prints the whole list from the top-left corner of the client area.
    void Form_Paint() override;
    // Ctrl+C copies the glossary's text.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The lines and their text in the reading the window opened in: a later change of reading leaves an open
    // glossary as it is, with its root sign where it stands.
    QStringList lines_;
    QString text_;
};

}  // namespace px
