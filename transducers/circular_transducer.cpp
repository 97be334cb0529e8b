#include "circular_transducer.h"

namespace px {

Form5::Form5()
    : DirectivityScreen(QStringLiteral("Form5"), tr("Calcoli sulla direttività di un trasduttore circolare"),
                        {transducers::circularPattern, transducers::circularDirectivityIndex}) {
    const Look red = inColour(colour::red);
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {7440, 1200, 2535, 375}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {7440, 1800, 1095, 255});
    Text1    = field("Text1", "1", {7560, 2160, 735, 375}, sans(13.2));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label6   = label("Label6", tr("Diam. m."), {9120, 1800, 1215, 255});
    Text2    = field("Text2", "1", {9240, 2160, 735, 375}, sans(13.2));
    Text2->setToolTip(tr("Diametro del trasduttore, in metri"));
    Command1 = button("Command1", tr("Calcolo"), {8040, 4080, 1455, 720}, sans(9.6));
    Label2   = label("Label2", tr("Larghezza completa del lobo"), {8760, 5040, 3015, 255}, red);
    Label4   = label("Label4", tr("Llarghezza del lobo di direttività    a -3dB (in gradi)"), {7440, 5400, 3495, 495});
    Label3   = result("Label3", {10920, 5400, 855, 495}, sans(13.2));
    Label8   = label("Label8", tr("Larghezza del lobo di direttività  a -6 dB (in gradi)"), {7440, 6480, 3495, 495});
    Label9   = result("Label9", {10920, 6480, 855, 495}, sans(13.2));
    Label7   = label("Label7", tr("(DI) Guadagno di direttività  in dB"), {6840, 7680, 3615, 375});
    Label10  = result("Label10", {10920, 7560, 855, 495}, sans(13.2));
    Label12  = label("Label12", "+ 1", {120, 375, 285, 195}, kDialogFont);
    Label14  = label("Label14", "0", {240, 2655, 120, 195}, kDialogFont);
    Label13  = label("Label13", "- 1", {240, 4815, 240, 195}, kDialogFont);
    Label11  = label("Label11", "100°", {6720, 2895, 495, 255}, kDialogFont);
    Label16  = label("Label16", tr("angolo rispetto all'asse del trasduttore"), {7080, 2655, 2640, 195}, kDialogFont);
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    connectLayout();
}

}  // namespace px
