#include "circular_transducer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "export.h"
#include "numbers.h"
#include "piston.h"
#include "plot_frames.h"

namespace px {

namespace {

// Whether every sum within the estimate's bound gives the same pattern at an angle: the same lobe-window tests,
// the same clamp, and the same point as the surface stores it (y = 2740 - 2240 P in single precision), where
// P = 2 J / x'.  Where it does, the estimate stands for the exact sum.
bool patternSettled(const PistonEstimate& e, double prime) {
    if (!std::isfinite(e.bound) || !std::isfinite(e.j) || prime == 0 || !std::isfinite(prime)) return false;
    double low = 2 * (e.j - e.bound) / prime;
    double high = 2 * (e.j + e.bound) / prime;
    if (low > high) std::swap(low, high);
    // A few units in the last place for the roundings of the quotient.
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(low), std::fabs(high));
    low -= slack;
    high += slack;
    if (!std::isfinite(low) || !std::isfinite(high)) return false;
    for (double edge : {0.68, 0.707, 0.48, 0.5, 1.0})
        if (low <= edge && edge <= high) return false;
    if (low > 1) return true;  // drawn at +1 whatever the sum
    const double yHigh = 2740 - 2240 * low;
    const double yLow = 2740 - 2240 * high;
    if (!std::isfinite(yHigh) || !std::isfinite(yLow)) return false;
    return static_cast<float>(yHigh) == static_cast<float>(yLow);
}

}  // namespace

Form5::Form5()
    : Screen(QStringLiteral("Form5"), QStringLiteral("Calcoli sulla direttività di un trasduttore circolare"),
             sans(9.6)) {
    const Look red = inColour(colour::red);
    // clang-format off
    Label5   = label("Label5", "Impostazione dati:", {7440, 1200, 2535, 375}, sans(13.2));
    Label1   = label("Label1", "Freq. KHz", {7440, 1800, 1095, 255});
    Text1    = field("Text1", "1", {7560, 2160, 735, 375}, sans(13.2));
    Text1->setToolTip(QStringLiteral("Frequenza in kHz"));
    Label6   = label("Label6", "Diam. m.", {9120, 1800, 1215, 255});
    Text2    = field("Text2", "1", {9240, 2160, 735, 375}, sans(13.2));
    Text2->setToolTip(QStringLiteral("Diametro del trasduttore, in metri"));
    Command1 = button("Command1", "Calcolo", {8040, 4080, 1455, 720}, sans(9.6));
    Label2   = label("Label2", "Larghezza completa del lobo", {8760, 5040, 3015, 255}, red);
    Label4   = label("Label4", "Llarghezza del lobo di direttività    a -3dB (in gradi)", {7440, 5400, 3495, 495});
    Label3   = result("Label3", {10920, 5400, 855, 495}, sans(13.2));
    Label8   = label("Label8", "Larghezza del lobo di direttività  a -6 dB (in gradi)", {7440, 6480, 3495, 495});
    Label9   = result("Label9", {10920, 6480, 855, 495}, sans(13.2));
    Label7   = label("Label7", "(DI) Guadagno di direttività  in dB", {6840, 7680, 3615, 375});
    Label10  = result("Label10", {10920, 7560, 855, 495}, sans(13.2));
    Label12  = label("Label12", "+ 1", {120, 375, 285, 195}, kDialogFont);
    Label14  = label("Label14", "0", {240, 2655, 120, 195}, kDialogFont);
    Label13  = label("Label13", "- 1", {240, 4815, 240, 195}, kDialogFont);
    Label11  = label("Label11", "100°", {6720, 2895, 495, 255}, kDialogFont);
    Label16  = label("Label16", "angolo rispetto all'asse del trasduttore", {7080, 2655, 2640, 195}, kDialogFont);
    Picture1 = logo("Picture1", 1812, 1095);
    // clang-format on
    onClick(Command1, &Form5::Command1_Click);
    results::of(*this).plots = {results::Plot{QRectF(500, 500, 6440, 4480),
                                              {500, 64.4, false, QStringLiteral("angolo"), QStringLiteral("°")},
                                              {2740, -2240, false, QStringLiteral("P"), QString()}}};
    tabOrder({Text1, Text2, Command1});
}

void Form5::Form_Paint() { drawDirectivityFrame(surface()); }

void Form5::Command1_Click() { dircalc(); }

void Form5::dircalc() {
    surface().Clear();
    drawDirectivityFrame(surface());
    const Num D = Val(Text2->utf8());
    const Num f = Val(Text1->utf8());
    std::optional<double> theta3, theta6;
    results::Table& table = results::of(*this);
    table.input(Label1->caption(), Text1->text());
    table.input(Label6->caption(), Text2->text());
    results::Series& drawn = table.series(QString(), {QStringLiteral("angolo_gradi"), QStringLiteral("P")});

    // The first angle on its own: a zero frequency ends the run before it, a zero diameter after its argument.
    double theta = 0.1;
    if (f == 0) return;
    Num lambda = Num(1.53) / f;
    Num x = sin(Num(theta) * 3.14159 / 180) * (Num(3.14159) * D / lambda);
    if (D == 0) return;

    // The piston argument of every further angle, in scan order.  None of them can fault once the first did not:
    // the factor after the sine is the same at every angle, and the sine stays within -1 and 1.
    std::vector<double> thetas{theta};
    std::vector<double> xs{x.value()};
    for (theta = theta + 0.1; theta <= 100; theta = theta + 0.1) {
        lambda = Num(1.53) / f;
        x = sin(Num(theta) * 3.14159 / 180) * (Num(3.14159) * D / lambda);
        thetas.push_back(theta);
        xs.push_back(x.value());
    }

    // The second argument of the pattern, x', computed as the pattern below computes it.
    auto primeOf = [&](double th) { return sin(Num(th) * (Num(3.14159) / 180)) * (D * 3.14159 / lambda); };

    // The sums of the angles are independent of one another.  Where x' is so large that no sum the integral can
    // give (none exceeds kPistonSumBound) moves the pattern off the axis by a drawn unit, the sum is not needed.
    // A quick estimate of each of the others, spread over the cores, settles every angle whose window tests,
    // clamp and drawn point come out the same for every value within the estimate's bound; the few left take the
    // exact sum.
    std::vector<double> primes(xs.size());
    std::vector<double> js(xs.size());
    std::vector<std::size_t> estimated;
    std::vector<double> estimatedXs;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        primes[i] = primeOf(thetas[i]).value();
        if (patternSettled({0, kPistonSumBound}, primes[i])) {
            js[i] = 0;
        } else {
            estimated.push_back(i);
            estimatedXs.push_back(xs[i]);
        }
    }
    std::vector<PistonEstimate> estimates(estimated.size());
    pistonEstimates(estimatedXs, estimates);
    std::vector<std::size_t> unsettled;
    std::vector<double> unsettledXs;
    for (std::size_t e = 0; e < estimated.size(); ++e) {
        const std::size_t i = estimated[e];
        if (patternSettled(estimates[e], primes[i])) {
            js[i] = estimates[e].j;
        } else {
            unsettled.push_back(i);
            unsettledXs.push_back(xs[i]);
        }
    }
    std::vector<double> exact(unsettled.size());
    pistonIntegrals(unsettledXs, exact);
    for (std::size_t u = 0; u < unsettled.size(); ++u)
        js[unsettled[u]] = exact[u];

    // The pattern, the lobe windows and the points, angle by angle in scan order: the last angle inside a window
    // is the one kept.
    for (std::size_t i = 0; i < thetas.size(); ++i) {
        const Num th = thetas[i];
        const Num x2 = primes[i];
        Num P = Num(2) * js[i] / x2;
        if (0.68 < P && P < 0.707) theta3 = thetas[i];
        if (0.48 < P && P < 0.5) theta6 = thetas[i];
        if (P > 1) P = 1;
        surface().Point((Num(500) + Num(64.4) * th).value(), (Num(2740) - Num(2240) * P).value(), colour::blue);
        drawn.add({thetas[i], P.value()});
    }

    // An angle that no step found counts as 0.
    Label3->setCaption(QString::fromStdString(Format((Num(2) * theta3.value_or(0)).value(), "###.0")));
    Label9->setCaption(QString::fromStdString(Format((Num(2) * theta6.value_or(0)).value(), "###.0")));
    const Num A = Num(3.14) * ((D / 2) * (D / 2));
    const Num DI = Num(10) * ln(Num(12.56) * A / (lambda * lambda)) / ln(Num(10));
    Label10->setCaption(QString::fromStdString(Format(DI.value(), "###.#")));
}

}  // namespace px
