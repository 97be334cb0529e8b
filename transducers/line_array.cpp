#include "line_array.h"

namespace px {

Form6::Form6()
    : DirectivityScreen(QStringLiteral("Form6"), tr("Calcolo direttività base lineare"),
                        {transducers::linePattern, transducers::lineDirectivityIndex}) {
    const Look red = inColour(colour::red);
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {7320, 1200, 3255, 375}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {7200, 1680, 1095, 255});
    Text1    = field("Text1", "1", {7320, 2040, 735, 375}, sans(13.2));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label6   = label("Label6", tr("Lunghezza. m."), {8520, 1680, 1695, 255});
    Text2    = field("Text2", "1", {8880, 2040, 735, 375}, sans(13.2));
    Text2->setToolTip(tr("Lunghezza della base, in metri"));
    Command1 = button("Command1", tr("Calcolo"), {7560, 4320, 1455, 720}, sans(9.6));
    Label2   = label("Label2", tr("Larghezza completa del lobo"), {8640, 5160, 3015, 255}, red);
    Label4   = label("Label4", tr("Llarghezza del lobo di direttività    a -3dB  (in gradi)"), {7080, 5640, 3495, 495});
    Label3   = result("Label3", {10560, 5520, 855, 495}, sans(13.2));
    Label8   = label("Label8", tr("Larghezza del lobo di direttività  a -6 dB  (in gradi)"), {7080, 6720, 3495, 495});
    Label9   = result("Label9", {10560, 6600, 855, 495}, sans(13.2));
    Label7   = label("Label7", tr("(DI) Guadagno di direttività  in dB"), {6600, 7920, 3495, 375});
    Label10  = result("Label10", {10560, 7680, 855, 495}, sans(13.2));
    Label12  = label("Label12", "+ 1", {135, 375, 285, 195}, kDialogFont);
    Label13  = label("Label13", "0", {255, 2655, 120, 195}, kDialogFont);
    Label14  = label("Label14", "- 1", {255, 4815, 240, 195}, kDialogFont);
    Label11  = label("Label11", "100°", {6720, 2880, 375, 255}, kDialogFont);
    Label16  = label("Label16", tr("angolo rispetto all'asse della base"), {7080, 2655, 2355, 195}, kDialogFont);
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    connectLayout();
}

}  // namespace px
