#include "loss_calculator.h"

#include <optional>

#include "loss_model.h"

namespace px {

Form4::Form4() : Screen(QStringLiteral("Form4"), tr("Calcolo delle perdite per propagazione"), sans(9.6)) {
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {600, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {240, 600, 1575, 495});
    Text1    = field("Text1", "1", {360, 1200, 735, 375}, sans(9.6));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label6   = label("Label6", tr("Dist. Km"), {2400, 600, 1455, 375});
    Text2    = field("Text2", "1", {2520, 1200, 735, 375}, sans(9.6));
    Text2->setToolTip(tr("Distanza in km"));
    Label2   = label("Label2", tr("Tipo di propagaz."), {4080, 600, 2535, 495});
    Combo1   = choice("Combo1", tr("Sferica"), {tr("Sferica"), tr("Sfer/cil")}, {4440, 1200, 1455, 480}, sans(9.6));
    Combo1->setToolTip(tr("Legge di propagazione: sferica o sferico-cilindrica"));
    Label7   = label("Label7", tr("Attenuazione per un  solo  percorso"), {2040, 3240, 4335, 375}, inColour(colour::red));
    Command1 = button("Command1", tr("Calcolo"), {240, 3840, 1455, 720}, sans(9.6));
    Label4   = label("Label4", tr("TL :      Attenuazione  per divergenza in dB "), {2880, 4080, 2415, 495});
    Label3   = result("Label3", {5400, 4080, 855, 495}, sans(13.2));
    Label8   = label("Label8", tr(" Attenuazione per assorbimento in dB (eq. di THORP)"), {2640, 5040, 2415, 735});
    Label9   = result("Label9", {5400, 5160, 855, 495}, sans(13.2));
    Command2 = button("Command2", tr("Grafici"), {240, 5640, 1455, 735}, sans(9.6));
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    onClick(Command1, &Form4::Command1_Click);
    onClick(Command2, &Form4::Command2_Click);
    tabOrder({Text1, Text2, Combo1, Command1, Command2});
}

void Form4::Command1_Click() { calcoloatt(); }

void Form4::Command2_Click() { screens::show(QStringLiteral("Form14")); }

// The spreading loss by the chosen law and the absorption loss over the range, side by side.  A law that is no
// item of the list leaves the spreading loss unset: its label is then emptied, and the absorption is still shown.
void Form4::calcoloatt() {
    const Num R = Val(Text2->utf8());
    const Num f = Val(Text1->utf8());
    std::optional<propagation::Law> law;
    if (Combo1->text() == tr("Sferica")) law = propagation::Law::Spherical;
    if (Combo1->text() == tr("Sfer/cil")) law = propagation::Law::SphericalCylindrical;
    Label3->setCaption(QString::fromStdString(Format(propagation::pathSpreadingLoss(law, R), "###.0")));
    Label9->setCaption(QString::fromStdString(Format(propagation::absorptionLoss(f, R).value(), "###.0")));
}

}  // namespace px
