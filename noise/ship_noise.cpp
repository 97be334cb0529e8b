#include "ship_noise.h"

#include <optional>

#include "noise_models.h"

namespace px {

Form3::Form3()
    : Screen(QStringLiteral("Form3"), QStringLiteral("Calcolo del rumore spettrale irradiato da un C.T.")) {
    // clang-format off
    Label5   = label("Label5", "Impostazione dati:", {600, 0, 3135, 495}, sans(13.2));
    Label1   = label("Label1", "Freq. KHz", {480, 840, 1095, 255}, sans(9.6));
    Text1    = field("Text1", "1", {600, 1200, 615, 480}, sans(13.2));
    Text1->setToolTip(QStringLiteral("Frequenza in kHz"));
    Label2   = label("Label2", "Velocità del C.T.", {2400, 840, 2535, 255}, sans(9.6));
    Combo1   = choice("Combo1", "10 nodi", {"10 nodi", "15 nodi", "20 nodi", "25 nodi"}, {2520, 1200, 1455, 480}, sans(13.2));
    Combo1->setToolTip(QStringLiteral("Velocità della nave in nodi"));
    Command1 = button("Command1", "Calcolo", {240, 3960, 1455, 720}, sans(9.6));
    Command2 = button("Command2", "Grafici", {240, 5040, 1455, 735}, sans(9.6));
    Label4   = label("Label4", "(SL) in dB/micro Pa/Hz* =", {2760, 4200, 2535, 255}, sans(9.6));
    Label3   = result("Label3", {5400, 4080, 855, 495}, sans(13.2));
    Label6   = label("Label6", "* si legga radice di Hz     ad 1 metro", {2880, 4440, 2055, 495}, sans(7.8));
    Picture1 = logo("Picture1", 1812, 972);
    // clang-format on
    onClick(Command1, &Form3::Command1_Click);
    onClick(Command2, &Form3::Command2_Click);
    tabOrder({Command1, Text1, Combo1, Command2});
}

void Form3::Command1_Click() { calcoloct(); }

void Form3::Command2_Click() { screens::show(QStringLiteral("Form11")); }

// The level falls 6.67 dB per octave from the speed's level at 1 kHz.  A zero or negative frequency faults in the
// octave drop, before the result label is touched; a speed text that is no item leaves the level unset, and the
// label then shows an empty text.
void Form3::calcoloct() {
    const Num f = Val(Text1->utf8());
    const Num k = noise::exponentFor(noise::kShipSlope);
    const Num D = noise::octaveDrop(f, k);
    std::optional<double> SL;
    for (const noise::Speed& speed : noise::kSpeeds)
        if (Combo1->text() == QString::fromUtf8(speed.item)) SL = noise::shipLevel(D, speed).value();
    Label3->setCaption(QString::fromStdString(Format(SL, "###.#")));
}

}  // namespace px
