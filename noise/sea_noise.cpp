#include "sea_noise.h"

#include "noise_models.h"

namespace px {

namespace {
// The sea states as the choice box lists them: symbols, the same in every reading.
QStringList seaStateItems() {
    QStringList items;
    for (const noise::SeaState& state : noise::kSeaStates)
        items << QString::fromUtf8(state.item);
    return items;
}
}  // namespace

// The level falls 5 dB per octave from the sea state's level at 1 kHz.
Form2::Form2()
    : SpectrumCalculator(QStringLiteral("Form2"), tr("Calcolo del rumore spettrale del mare"),
                         QStringLiteral("Form10"), &noise::seaNoise) {
    // clang-format off
    Label5   = label("Label5", tr("Impostazione dati:"), {840, 120, 3135, 495}, sans(13.2));
    Label1   = label("Label1", tr("Freq. KHz"), {480, 960, 1575, 255}, sans(9.6));
    Text1    = field("Text1", "1", {600, 1320, 615, 495}, sans(13.2));
    Text1->setToolTip(tr("Frequenza in kHz"));
    Label2   = label("Label2", tr("Stato del mare"), {2520, 1080, 2295, 255}, sans(9.6));
    Combo1   = cases("Combo1", seaStateItems(), {2640, 1320, 1335, 480}, sans(13.2));
    Combo1->setToolTip(tr("Stato del mare (SS)"));
    Command1 = button("Command1", tr("Calcolo"), {240, 3960, 1455, 720}, sans(9.6));
    Command2 = button("Command2", tr("Grafici"), {240, 5040, 1455, 615}, sans(9.6));
    Label4   = label("Label4", tr("(NL) in dB/micro Pa/Hz* ="), {2880, 4320, 2655, 255}, sans(9.6));
    Label3   = result("Label3", {5640, 4200, 855, 495}, sans(13.2));
    Label6   = label("Label6", tr("* si legga radice di Hz"), {3000, 4680, 2055, 255}, sans(7.8));
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    connectButtons();
    tabOrder({Combo1, Text1, Command1, Command2});
}

}  // namespace px
