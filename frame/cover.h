// The cover screen Form1 and the calculator selector Form13.
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
};

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
    // The glossary, the algorithm-sheet selector and the correlation workbench.
    void mostraglossario();
    void mostraalgoritmi();
    void mostracorrelazione();

    Label* Label1;
    Picture* Picture2;
    Button *Command1, *Command2, *Command3, *Command4, *Command5, *Command7, *Command8, *Command6, *Command10,
        *Command11;
};

}  // namespace px
