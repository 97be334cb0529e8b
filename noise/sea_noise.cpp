#include "sea_noise.h"

#include <optional>

#include "noise_models.h"

namespace px {

Form2::Form2() : Screen(QStringLiteral("Form2"), QStringLiteral("Calcolo del rumore spettrale del mare")) {
    // clang-format off
    Label5   = label("Label5", "Impostazione dati:", {840, 120, 3135, 495}, sans(13.2));
    Label1   = label("Label1", "Freq. KHz", {480, 960, 1575, 255}, sans(9.6));
    Text1    = field("Text1", "1", {600, 1320, 615, 495}, sans(13.2));
    Text1->setToolTip(QStringLiteral("Frequenza in kHz"));
    Label2   = label("Label2", "Stato del mare", {2520, 1080, 2295, 255}, sans(9.6));
    Combo1   = choice("Combo1", "SS=0", {"SS=0", "SS=1/2", "SS=1", "SS=2", "SS=4", "SS=6"}, {2640, 1320, 1335, 480}, sans(13.2));
    Combo1->setToolTip(QStringLiteral("Stato del mare (SS)"));
    Command1 = button("Command1", "Calcolo", {240, 3960, 1455, 720}, sans(9.6));
    Command2 = button("Command2", "Grafici", {240, 5040, 1455, 615}, sans(9.6));
    Label4   = label("Label4", "(NL) in dB/micro Pa/Hz* =", {2880, 4320, 2655, 255}, sans(9.6));
    Label3   = result("Label3", {5640, 4200, 855, 495}, sans(13.2));
    Label6   = label("Label6", "* si legga radice di Hz", {3000, 4680, 2055, 255}, sans(7.8));
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    onClick(Command1, &Form2::Command1_Click);
    onClick(Command2, &Form2::Command2_Click);
    tabOrder({Combo1, Text1, Command1, Command2});
}

void Form2::Command1_Click() { calcolomare(); }

void Form2::Command2_Click() { screens::show(QStringLiteral("Form10")); }

// The level falls 5 dB per octave from the sea state's level at 1 kHz.  A zero or negative frequency faults in
// the octave drop, before the result label is touched; a sea-state text that is no item leaves the level unset,
// and the label then shows an empty text.
void Form2::calcolomare() {
    const Num f = Val(Text1->utf8());
    const Num k = noise::exponentFor(noise::kSeaSlope);
    const Num D = noise::octaveDrop(f, k);
    std::optional<double> NL;
    for (const noise::SeaState& state : noise::kSeaStates)
        if (Combo1->text() == QString::fromUtf8(state.item)) NL = noise::seaLevel(D, state).value();
    Label3->setCaption(QString::fromStdString(Format(NL, "###.#")));
}

}  // namespace px
