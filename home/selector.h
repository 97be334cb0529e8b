// The calculator selector Form13: a button for each calculator, the correlation workbench and the two reference
// screens, and the choice of the interface's reading.
#pragma once

#include "screen.h"

namespace px {

class Form13 : public Screen {
    Q_OBJECT
public:
    Form13();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    // The pick of a reading: Italiano or English.
    void Combo1_Click();
    // The glossary, the algorithm-sheet selector and the correlation workbench.
    void mostraglossario();
    void mostraalgoritmi();
    void mostracorrelazione();

    Label *Label1, *Label2;
    Picture* Picture2;
    Button *Command1, *Command2, *Command3, *Command4, *Command5, *Command7, *Command8, *Command6, *Command10,
        *Command11, *Command12, *Command13, *Command14;
    ChoiceBox* Combo1;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Writes every text of the selector in the reading in force.
    void captions();
};

}  // namespace px
