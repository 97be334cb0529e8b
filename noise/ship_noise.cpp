#include "ship_noise.h"

#include <QCoreApplication>

#include "noise_models.h"

namespace px {

namespace {
// The speeds as the choice box lists them, in the reading's words.
QStringList speedItems() {
    QStringList items;
    for (const noise::Speed& speed : noise::kSpeeds)
        items << QCoreApplication::translate("px::noise::Speed", speed.item);
    return items;
}
}  // namespace

// The level falls 6.67 dB per octave from the speed's level at 1 kHz.
Form3::Form3()
    : SpectrumCalculator(QStringLiteral("Form3"), tr("Calcolo del rumore spettrale irradiato da un C.T."),
                         QStringLiteral("Form11"), &noise::shipNoise) {
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {600, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {480, 840, 1095, 255}, sans(9.6));
    Text1    = field("Text1", "1", {600, 1200, 615, 480}, sans(13.2));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label2   = label("Label2", tr("Velocità del C.T."), {2400, 840, 2535, 255}, sans(9.6));
    Combo1   = cases("Combo1", speedItems(), {2520, 1200, 1455, 480}, sans(13.2));
    Combo1->setToolTip(tr("Velocità della nave in nodi"));
    Command1 = button("Command1", tr("Calcolo"), {240, 3960, 1455, 720}, sans(9.6));
    Command2 = button("Command2", tr("Grafici"), {240, 5040, 1455, 735}, sans(9.6));
    Label4   = label("Label4", tr("(SL) in dB/micro Pa/Hz* ="), {2760, 4200, 2535, 255}, sans(9.6));
    Label3   = result("Label3", {5400, 4080, 855, 495}, sans(13.2));
    Label6   = label("Label6", tr("* si legga radice di Hz     ad 1 metro"), {2880, 4440, 2055, 495}, sans(7.8));
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    connectButtons();
    tabOrder({Command1, Text1, Combo1, Command2});
}

}  // namespace px
