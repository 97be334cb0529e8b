// The cover screen Form1: the product's name, what its calculators do, and the picture that opens the selector.
#pragma once

#include "screen.h"

namespace px {

class Form1 : public Screen {
    Q_OBJECT
public:
    Form1();
    void Picture1_Click();

    Label *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label13, *Label8, *Label9, *Label16,
        *Label17, *Label14;
    Picture* Picture1;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Writes the texts of the cover in the reading in force.
    void captions();
};

}  // namespace px
