// The noise models on their own: the calculators' levels as the result label shows them, their faults, and the
// graphs' sweep, whose plain arithmetic gives every level bit for bit as the checked formulas.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "level_sweep.h"
#include "noise_models.h"
#include "numbers.h"

namespace {

using px::Num;
using Model = std::optional<double> (*)(Num, std::optional<std::size_t>);

// ---- The calculators --------------------------------------------------------------------------------------------

struct LevelCase {
    const char* name;
    Model model;
    double f;                          // kHz
    std::optional<std::size_t> index;  // the case in the model's table; none: a text that is no item
    const char* shown;                 // as "###.#" shows it
};

void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }

class NoiseLevelTest : public testing::TestWithParam<LevelCase> {};

TEST_P(NoiseLevelTest, LevelOfTheFrequencyAndCase) {
    const LevelCase& c = GetParam();
    EXPECT_EQ(px::Format(c.model(c.f, c.index), "###.#"), c.shown);
}

constexpr Model sea = &px::noise::seaNoise;
constexpr Model ship = &px::noise::shipNoise;

INSTANTIATE_TEST_SUITE_P(
    Sea, NoiseLevelTest,
    testing::Values(LevelCase{"f1_SS0", sea, 1, 0, "44.2"},
                    LevelCase{"f1_SS1_trailing_separator", sea, 1, 2, "55."}, LevelCase{"f2_SS1", sea, 2, 2, "50."},
                    LevelCase{"f2_SS1_2", sea, 2, 1, "45.3"},
                    LevelCase{"f05_SS0_above_the_1kHz_level", sea, .5, 0, "49.2"},
                    LevelCase{"f10_SS2", sea, 10, 3, "45.2"}, LevelCase{"f10_SS4_rounds_up", sea, 10, 4, "50."},
                    LevelCase{"f10_SS6", sea, 10, 5, "53.4"}, LevelCase{"f100_SS0", sea, 100, 0, "11."},
                    LevelCase{"f1_2_SS1", sea, 1.2, 2, "53.7"}, LevelCase{"f15_SS0", sea, 15, 0, "24.7"},
                    LevelCase{"no_case", sea, 2, std::nullopt, ""},
                    LevelCase{"index_beyond_the_table", sea, 2, 6, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Ship, NoiseLevelTest,
                         testing::Values(LevelCase{"f1_10_knots", ship, 1, 0, "127.5"},
                                         LevelCase{"f1_15_knots_trailing_separator", ship, 1, 1, "138."},
                                         LevelCase{"f1_20_knots", ship, 1, 2, "145.4"},
                                         LevelCase{"f1_25_knots", ship, 1, 3, "151.4"},
                                         LevelCase{"f2_10_knots", ship, 2, 0, "120.8"},
                                         LevelCase{"f2_15_knots", ship, 2, 1, "131.3"},
                                         LevelCase{"f10_10_knots", ship, 10, 0, "105.3"},
                                         LevelCase{"f10_25_knots", ship, 10, 3, "129.2"},
                                         LevelCase{"f01_25_knots_above_the_1kHz_level", ship, 0.1, 3, "173.6"},
                                         LevelCase{"f100_10_knots", ship, 100, 0, "83.2"},
                                         LevelCase{"no_case", ship, 2, std::nullopt, ""},
                                         LevelCase{"index_beyond_the_table", ship, 2, 4, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// A zero frequency faults in the logarithm, a negative one in the power, whether a case is chosen or not.
struct FaultCase {
    const char* name;
    Model model;
    double f;
    std::optional<std::size_t> index;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class NoiseFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(NoiseFaultTest, ZeroOrNegativeFrequencyIsAnInvalidArgument) {
    const FaultCase& c = GetParam();
    try {
        c.model(c.f, c.index);
        ADD_FAILURE() << "no fault";
    } catch (const px::Fault& fault) {
        EXPECT_EQ(fault.kind(), px::FaultKind::InvalidArgument);
    }
}

INSTANTIATE_TEST_SUITE_P(Frequencies, NoiseFaultTest,
                         testing::Values(FaultCase{"sea_zero", sea, 0, 0}, FaultCase{"sea_negative", sea, -2, 0},
                                         FaultCase{"sea_zero_no_case", sea, 0, std::nullopt},
                                         FaultCase{"ship_zero", ship, 0, 0},
                                         FaultCase{"ship_negative", ship, -0.5, 3},
                                         FaultCase{"ship_negative_no_case", ship, -0.5, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The graphs' sweep
// -------------------------------------------------------------------------------------------

// Every level of a graph's curves is the one of the checked formulas, bit for bit, at every frequency of the sweep
// as one accumulation after the other reaches it.
struct SpectraCase {
    const char* name;
    double slope;
    std::size_t curves;
    double (*level)(double D, std::size_t c);
    Num (*checked)(Num D, std::size_t c);
};

void PrintTo(const SpectraCase& c, std::ostream* os) { *os << c.name; }

class NoiseSweepTest : public testing::TestWithParam<SpectraCase> {};

TEST_P(NoiseSweepTest, LevelsAreExactlyThoseOfTheCheckedFormulas) {
    const SpectraCase& c = GetParam();
    std::vector<double> f;
    for (double v = 0.1; v <= 100; v = v + 0.001)
        f.push_back(v);
    ASSERT_EQ(f.size(), px::noise::kSweepPoints);
    ASSERT_EQ(px::noise::sweepSlices().count, f.size());

    const Num k = px::noise::exponentFor(c.slope);
    std::vector<double> swept(f.size() * (c.curves + 1));
    px::noise::sweepSpectra(k.value(), px::ln(Num(10)).value(), [&](std::size_t i, double fi, double D) {
        double* out = swept.data() + (c.curves + 1) * i;
        *out++ = fi;
        for (std::size_t j = 0; j < c.curves; ++j)
            *out++ = c.level(D, j);
    });
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const double* row = swept.data() + (c.curves + 1) * i;
        if (row[0] != f[i]) ++wrong;
        const Num D = Num(20) * px::ln(px::pw(Num(f[i]), k)) / px::ln(Num(10));
        for (std::size_t j = 0; j < c.curves; ++j)
            if (row[1 + j] != c.checked(D, j).value()) ++wrong;
    }
    EXPECT_EQ(wrong, 0u);
}

INSTANTIATE_TEST_SUITE_P(Graphs, NoiseSweepTest,
                         testing::Values(SpectraCase{"sea", 5, 6, &px::noise::SeaSpectra::level,
                                                     [](Num D, std::size_t j) {
                                                         const double offsets[] = {-10.8, -4.7, 0, 6.8, 11.6, 15};
                                                         Num NL = Num(55) - D;
                                                         return j < 2
                                                                    ? NL - Num(-offsets[j])
                                                                    : NL + Num(offsets[j]);  // "- 10.8" as written
                                                     }},
                                         SpectraCase{"ship", 6.667, 4, &px::noise::ShipSpectra::level,
                                                     [](Num D, std::size_t j) {
                                                         const double levels[] = {127.5, 138, 145.4, 151.4};
                                                         return Num(levels[j]) - D;
                                                     }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
