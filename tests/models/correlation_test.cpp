// The correlation workbench's computations without a window: the curves as the points handed to a sink, the
// algorithms' and the number blocks' reports as the lines handed to a sink, the values they give back to the
// working values, and one cycle of the simulation.  The cases are the workbench's own, as a user meets them on the
// screen.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "algorithms.h"
#include "blocks.h"
#include "chance.h"
#include "curves.h"
#include "fault.h"
#include "report_lines.h"
#include "simulation.h"
#include "working_values.h"

namespace {

using px::WorkingChanges;
using px::WorkingValues;

// A clock that moves a quarter of a second at each reading, from ten in the morning.
class SteppingClock : public px::TimeOfDay {
public:
    float seconds() override { return t_ += 0.25f; }

private:
    float t_ = 36000;
};

// The text a line shows: its text items one after the other (a tab moves the line's start, it writes nothing).
std::string shown(const px::lines::Line& line) {
    std::string out;
    for (const px::lines::Item& item : line)
        if (item.kind == px::lines::Item::Text) out += item.text;
    return out;
}

// The lines a computation hands on, kept as they are shown, and the fault that ended it.
struct Printed {
    std::vector<std::string> lines;
    std::optional<std::string> fault;
    px::lines::LineSink sink() {
        return [this](const px::lines::Line& line) { lines.push_back(shown(line)); };
    }
};

template <class Compute>
Printed print(Compute&& compute) {
    Printed p;
    try {
        compute(p.sink());
    } catch (const px::Fault& f) {
        p.fault = f.what();
    }
    return p;
}

std::string faultOf(const std::optional<std::string>& fault) { return fault.value_or("(none)"); }

// ---- The curves ------------------------------------------------------------------------------------------------

enum Curve { P1 = 1, P2, P3, P4, P5, P6, P7, P8 };

// The working values "Convalida dati" takes over for each curve, from the fields 1 … 7 in order.
WorkingValues curveInputs(Curve p, const std::vector<double>& v) {
    auto at = [&v](std::size_t n) { return n <= v.size() ? v[n - 1] : 0.0; };
    WorkingValues wv;
    switch (p) {
        case P1:
        case P4:
            wv.F = at(1), wv.FS = at(2), wv.tc = at(3);
            break;
        case P2:
        case P5:
        case P8:
            wv.F1 = at(1), wv.F2 = at(2), wv.FS = at(3), wv.tc = at(4);
            break;
        case P3:
            wv.F = at(1), wv.FSa = at(2), wv.BRQ = at(3), wv.D = at(4);
            break;
        case P6:
            wv.F1 = at(1), wv.F2 = at(2), wv.FSa = at(3), wv.BRQ = at(4), wv.D = at(5);
            break;
        case P7:
            wv.F1 = at(1), wv.F2 = at(2), wv.FS = at(3), wv.tc = at(4), wv.SN = at(5), wv.RC = at(6), wv.K = at(7);
            break;
    }
    return wv;
}

struct Point {
    float x, y;
};

// Runs curve p and keeps the points it hands on; a fault ends it and is kept.
struct Swept {
    std::vector<Point> points;
    WorkingChanges changes;
    std::optional<std::string> fault;
};
Swept sweep(Curve p, const WorkingValues& wv) {
    Swept s;
    SteppingClock clock;
    px::LinearUniform random;
    const px::curves::PointSink sink = [&s](float x, float y, const px::curves::PointValues&) {
        s.points.push_back({x, y});
    };
    try {
        switch (p) {
            case P1:
                px::curves::analFtc(wv, sink);
                break;
            case P2:
                px::curves::analF1F2tc(wv, sink);
                break;
            case P3:
                px::curves::analFad(wv, sink, s.changes);
                break;
            case P4:
                px::curves::digFtc(wv, sink);
                break;
            case P5:
                px::curves::digF1F2tc(wv, sink);
                break;
            case P6:
                px::curves::analF1F2ad(wv, sink);
                break;
            case P7:
                px::curves::digNoisy(wv, clock, random, sink, s.changes);
                break;
            case P8:
                px::curves::digQuadrature(wv, sink);
                break;
        }
    } catch (const px::Fault& f) {
        s.fault = f.what();
    }
    return s;
}

struct Sample {
    std::size_t index;
    float x, y;
};
struct CurveCase {
    const char* name;
    Curve process;
    std::vector<double> fields;
    std::size_t points;
    std::vector<Sample> samples;
    double tolerance;
};

class CurveModel : public testing::TestWithParam<CurveCase> {};

// C at y = 2240 − 2240·C, the counter u at x = 6440·u/U; a condition that fails gives no point and no fault.
TEST_P(CurveModel, HandsOnEveryPointOfTheSweep) {
    const CurveCase& c = GetParam();
    const Swept s = sweep(c.process, curveInputs(c.process, c.fields));
    EXPECT_FALSE(s.fault) << faultOf(s.fault);
    ASSERT_EQ(s.points.size(), c.points);
    for (const Sample& at : c.samples) {
        ASSERT_LT(at.index, s.points.size());
        EXPECT_NEAR(s.points[at.index].x, at.x, c.tolerance) << at.index;
        EXPECT_NEAR(s.points[at.index].y, at.y, c.tolerance) << at.index;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Correlation, CurveModel,
    testing::Values(
        CurveCase{"P1_Band1000Delay500",
                  P1,
                  {1000, 1000, 500},
                  10000,
                  {{2500, 1610, 813.25}, {5000, 3220, 0}, {0, 0.000644, 2240 - 2240 * 0.000507}},
                  0.01},
        CurveCase{"P2_WorkedExample",
                  P2,
                  {1000, 3000, 1000, 500},
                  10000,
                  {{5000, 3220, 0}, {5600, 3606.4, 2240 - 2240 * 0.712097}},
                  0.01},
        CurveCase{"P5_WorkedExample",
                  P5,
                  {1000, 3000, 1000, 500},
                  10000,
                  {{5000, 3220, -1.136}, {5600, 3606.4, 2240 - 2240 * 0.504764}},
                  0.01},
        CurveCase{"P3_Bearing30Base1",
                  P3,
                  {1000, 90, 30, 1},
                  10000,
                  {{0, 0, 2240 - 2240 * 0.432015},
                   {3333, 2146.45, 0},
                   {5000, 3220, 2240 - 2240 * 0.8223},
                   {9999, 6439.36, 2240 + 2240 * 0.112765}},
                  0.03},
        CurveCase{"P6_Bearing30Base1", P6, {1000, 3000, 90, 30, 1}, 10000, {{3333, 2146.45, 0}}, 0.01},
        CurveCase{"P4_Band1000Delay500", P4, {1000, 1000, 500}, 10000, {{5000, 3220, -1.136}}, 0.01},
        CurveCase{"P8_CrossesTheAxisAtTheDelay", P8, {1000, 3000, 1000, 500}, 10000, {{5000, 3220, 2240}}, 0.01},
        CurveCase{"P1_NegativeFullScale",
                  P1,
                  {1000, -1000, -500},
                  10001,
                  {{5000, 3220, 0}, {10000, 6440, 2240 - 2240 * 0.000507}},
                  0.01},
        CurveCase{"P1_ZeroFullScale", P1, {1000, 0, 500}, 0, {}, 0},
        CurveCase{"P4_ZeroFullScale", P4, {0, 0, 0}, 0, {}, 0},
        CurveCase{"P8_ZeroFullScale", P8, {1000, 1000, 0, 0}, 0, {}, 0},
        CurveCase{"P2_NoUpperFrequency", P2, {1000, 0, 1000, 500}, 0, {}, 0},
        CurveCase{"P2_NoFullScale", P2, {1000, 3000, 0, 500}, 0, {}, 0},
        CurveCase{"P5_NoUpperFrequency", P5, {1000, 0, 1000, 500}, 0, {}, 0},
        CurveCase{"P3_NoFrequency", P3, {0, 90, 30, 1}, 0, {}, 0},
        CurveCase{"P3_NoFullScale", P3, {1000, 0, 30, 1}, 0, {}, 0},
        CurveCase{"P6_NoLowerFrequency", P6, {0, 3000, 90, 30, 1}, 0, {}, 0},
        CurveCase{"P6_NoUpperFrequency", P6, {1000, 0, 90, 30, 1}, 0, {}, 0},
        CurveCase{"P6_NoFullScale", P6, {1000, 3000, 0, 30, 1}, 0, {}, 0},
        // Without a base every delay is 0: the sweep ends at its first angle.
        CurveCase{"P3_NoBase", P3, {1000, 90, 30, 0}, 0, {}, 0},
        CurveCase{"P6_NoBase", P6, {1000, 3000, 90, 30, 0}, 0, {}, 0}),
    [](const testing::TestParamInfo<CurveCase>& info) { return std::string(info.param.name); });

struct CurveFaultCase {
    const char* name;
    Curve process;
    std::vector<double> fields;
    const char* fault;
};

class CurveModelFault : public testing::TestWithParam<CurveFaultCase> {};

// Each of these faults at the first point: nothing is handed on.
TEST_P(CurveModelFault, FaultsBeforeTheFirstPoint) {
    const CurveFaultCase& c = GetParam();
    const Swept s = sweep(c.process, curveInputs(c.process, c.fields));
    EXPECT_EQ(faultOf(s.fault), c.fault);
    EXPECT_TRUE(s.points.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Correlation, CurveModelFault,
    testing::Values(
        CurveFaultCase{"P1_NoFrequency", P1, {0, 1000, 500}, "Divisione per zero"},
        CurveFaultCase{"P4_NoFrequency", P4, {0, 1000, 500}, "Divisione per zero"},
        CurveFaultCase{"P2_EqualEdges", P2, {2000, 2000, 1000, 500}, "Divisione per zero"},
        CurveFaultCase{"P5_EqualEdges", P5, {2000, 2000, 1000, 500}, "Divisione per zero"},
        CurveFaultCase{"P8_EqualEdges", P8, {2000, 2000, 1000, 500}, "Divisione per zero"},
        CurveFaultCase{"P6_EqualEdges", P6, {2000, 2000, 90, 30, 1}, "Divisione per zero"},
        CurveFaultCase{"P7_EqualEdges", P7, {2000, 2000, 1000, 500, 10, 1, 1}, "Divisione per zero"},
        // RC = 0 faults at σ, before the first point; a negative product is a square root of a negative.
        CurveFaultCase{"P7_NoTimeConstant", P7, {1000, 3000, 1000, 500, 10, 0, 1}, "Divisione per zero"},
        CurveFaultCase{"P7_NegativeTimeConstant", P7, {1000, 3000, 1000, 500, 10, -1, 1}, "Argomento non valido"},
        CurveFaultCase{"P7_ReversedBand", P7, {3000, 1000, 1000, 500, 10, 1, 1}, "Argomento non valido"}),
    [](const testing::TestParamInfo<CurveFaultCase>& info) { return std::string(info.param.name); });

struct ArcsineCase {
    const char* name;
    double rho, c;
};

class ArcsineLaw : public testing::TestWithParam<ArcsineCase> {};

TEST_P(ArcsineLaw, TakesThreeFourteenForPi) {
    EXPECT_NEAR(px::curves::arcsineLaw(GetParam().rho, 1e-8), GetParam().c, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Correlation, ArcsineLaw,
                         testing::Values(ArcsineCase{"Zero", 0, 0}, ArcsineCase{"Half", 0.5, 0.3335024},
                                         ArcsineCase{"MinusHalf", -0.5, -0.3335024},
                                         ArcsineCase{"One", 1, 1.000507}, ArcsineCase{"MinusOne", -1, -1.000507}),
                         [](const testing::TestParamInfo<ArcsineCase>& info) {
                             return std::string(info.param.name);
                         });

// The points handed on before a fault are the sink's to keep; the fault names the step that failed.
TEST(CorrelationCurves, PointsBeforeAFaultReachTheSink) {
    WorkingValues wv;
    wv.F = 1000, wv.FS = 1000;
    double t = 1e-7;
    for (int k = 0; k < 1234; ++k)
        t = t + 0.1;
    wv.tc = t;
    std::vector<float> xs;
    try {
        px::curves::analFtc(wv, [&](float x, float, const px::curves::PointValues&) { xs.push_back(x); });
        FAIL() << "no fault";
    } catch (const px::Fault& f) {
        EXPECT_EQ(f.kind(), px::FaultKind::DivisionByZero);
    }
    EXPECT_EQ(xs.size(), 1234u);
}

// Process 3 gives back each C as Sux, in single precision, and draws from that single value; process 7 gives back
// its σ as Nux.  The working values themselves are not touched.
TEST(CorrelationCurves, AngleCurveKeepsItsLastValueInSux) {
    WorkingValues wv;
    wv.F = 1000, wv.FSa = 90, wv.BRQ = 30, wv.D = 1;
    float lastY = 0;
    long count = 0;
    WorkingChanges out;
    px::curves::analFad(
        wv, [&](float, float y, const px::curves::PointValues&) { lastY = y, ++count; }, out);
    EXPECT_EQ(wv.Sux, 0.0f);
    px::store(out, wv);
    EXPECT_EQ(count, 10000);
    EXPECT_NEAR(wv.Sux, -0.112765, 2e-6);
    EXPECT_EQ(lastY, static_cast<float>(2240.0 - 2240.0 * static_cast<double>(wv.Sux)));
    EXPECT_FALSE(out.Nux || out.D || out.SN || out.RC || out.Valim);

    const Swept noisy = sweep(P7, curveInputs(P7, {1000, 3000, 1000, 500, 10, 1, 1}));
    EXPECT_EQ(noisy.points.size(), 10000u);
    ASSERT_TRUE(noisy.changes.Nux);
    EXPECT_NEAR(*noisy.changes.Nux, 2 / 3.14 / std::sqrt(6.0 / 7 * 4 * 1 * 2000), 1e-7);
    EXPECT_FALSE(noisy.changes.Sux);
}

// ---- The algorithms --------------------------------------------------------------------------------------------

using px::algo::Entry;

// The working values "Convalida dati" takes over for each algorithm, from the fields 1 … 3 in order (single
// precision where the value is single).
WorkingValues algorithmInputs(Entry e, const std::vector<double>& v, WorkingValues wv = {}) {
    auto at = [&v](std::size_t n) { return n <= v.size() ? v[n - 1] : 0.0; };
    auto single = [&at](std::size_t n) { return static_cast<float>(at(n)); };
    switch (e) {
        case px::algo::SiNiOutput:
            wv.Valim = single(1), wv.Sux = single(2), wv.Vin = single(3);
            break;
        case px::algo::SiNiIndex:
            wv.BW = single(1), wv.RC = at(2), wv.D = at(3);
            break;
        case px::algo::OutputSignal:
            wv.Valim = single(1), wv.D = at(2);
            break;
        case px::algo::OutputNoise:
            wv.Valim = single(1), wv.RC = at(2), wv.BW = single(3);
            break;
        case px::algo::OutputRatio:
            wv.SNs = single(1), wv.BW = single(2), wv.RC = at(3);
            break;
        case px::algo::TimeConstant:
            wv.Valim = single(1), wv.Nux = single(2), wv.BW = single(3);
            break;
        case px::algo::DetectionIndex:
            wv.SN = at(1), wv.RC = at(2), wv.BW = single(3);
            break;
    }
    return wv;
}

std::vector<std::string> head(const char* inputs, const char* results, std::vector<std::string> rest) {
    std::vector<std::string> out{" VARIABILI DI INGRESSO:", inputs, "", results};
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

struct AlgorithmCase {
    const char* name;
    Entry entry;
    std::vector<double> fields;
    std::vector<std::string> report;  // empty: no line
    const char* fault;                // nullptr: none
};

class AlgorithmModel : public testing::TestWithParam<AlgorithmCase> {};

TEST_P(AlgorithmModel, HandsOnItsReport) {
    const AlgorithmCase& c = GetParam();
    const WorkingValues wv = algorithmInputs(c.entry, c.fields);
    WorkingChanges out;
    const Printed p = print([&](const px::lines::LineSink& sink) { px::algo::report(c.entry, wv, out, sink); });
    EXPECT_EQ(p.lines, c.report);
    EXPECT_EQ(faultOf(p.fault), c.fault != nullptr ? c.fault : "(none)");
}

INSTANTIATE_TEST_SUITE_P(
    Correlation, AlgorithmModel,
    testing::Values(
        AlgorithmCase{"SuxAtZeroDb",
                      px::algo::OutputSignal,
                      {10, 0},
                      head(" Si/Ni(dB)", " DATI IN USCITA:", {" Sux(Vcc.)=  1.667 "}),
                      nullptr},
        AlgorithmCase{"SiNiJustBelowZero",
                      px::algo::SiNiOutput,
                      {10, 1.667, 1},
                      head(" Sux(Vcc.); V.ingr.(Veff.)", " DATI IN USCITA:",
                           {" Ni(Veff.)=  0.707 ", " Si(Veff.)=  0.707 ", " Raporto Si/Ni(db)= -0.1 "}),
                      nullptr},
        AlgorithmCase{"SiNiAt13Db",
                      px::algo::SiNiOutput,
                      {10, 4, 1},
                      head(" Sux(Vcc.); V.ingr.(Veff.)", " DATI IN USCITA:",
                           {" Ni(Veff.)=  0.221 ", " Si(Veff.)=  0.975 ", " Raporto Si/Ni(db)=  12.8 "}),
                      nullptr},
        AlgorithmCase{"SuxAboveHalfSupplyPrintsNothing", px::algo::SiNiOutput, {10, 6, 1}, {}, nullptr},
        AlgorithmCase{"ZeroSupplyPrintsNothing", px::algo::SiNiOutput, {0, 1, 1}, {}, nullptr},
        AlgorithmCase{"NoiseOfOneSecondAndOneKilohertz",
                      px::algo::OutputNoise,
                      {10, 1, 1000},
                      head(" RC(Sec.); BW(Hz)", " DATI IN USCITA: ", {" Nux(Veff.)=  0.054 "}),
                      nullptr},
        AlgorithmCase{"NoiseWithoutBandFaults", px::algo::OutputNoise, {10, 1, 0}, {}, "Divisione per zero"},
        AlgorithmCase{
            "NoiseOfNegativeProductFaults", px::algo::OutputNoise, {10, -1, 1000}, {}, "Argomento non valido"},
        AlgorithmCase{"TimeConstantBack",
                      px::algo::TimeConstant,
                      {10, 0.054, 1000},
                      head(" Nux(Veff.); BW(Hz)", " DATI IN USCITA:", {" RC(Sec.)=  1.01 "}),
                      nullptr},
        AlgorithmCase{"TimeConstantWithoutBandPrintsNothing", px::algo::TimeConstant, {10, 0.054, 0}, {}, nullptr},
        AlgorithmCase{"SiNiFromIndex20",
                      px::algo::SiNiIndex,
                      {1000, 1, 20},
                      head(" RC(Sec.); BW(Hz); d(roc)", " DATI IN USCITA: ", {" (Si/Ni)dB= -10 "}),
                      nullptr},
        AlgorithmCase{
            "SiNiFromNegativeIndexFaults", px::algo::SiNiIndex, {1000, 1, -20}, {}, "Argomento non valido"},
        AlgorithmCase{"SiNiFromZeroIndexPrintsNothing", px::algo::SiNiIndex, {1000, 1, 0}, {}, nullptr},
        AlgorithmCase{"IndexAtMinus10Db",
                      px::algo::DetectionIndex,
                      {-10, 1, 1000},
                      head(" RC(Sec.); BW(Hz); Si/Ni(dB)", " DATI DI USCITA:", {" d(roc)=  20 "}),
                      nullptr},
        AlgorithmCase{"OutputRatioAtMinus10Db",
                      px::algo::OutputRatio,
                      {-10, 1000, 1},
                      head(" RC(Sec.); BW(Hz); Si/Ni(dB) ", " DATI IN USCITA:", {" (Sux/Nux)dB=  14.5 "}),
                      nullptr},
        AlgorithmCase{
            "OutputRatioWithoutBandFaults", px::algo::OutputRatio, {-10, 0, 1}, {}, "Argomento non valido"}),
    [](const testing::TestParamInfo<AlgorithmCase>& info) { return std::string(info.param.name); });

// A result one algorithm gives back is read by the next without a take-over of its own.
struct ChainCase {
    const char* name;
    std::vector<std::pair<Entry, std::vector<double>>> taken;  // entries whose fields were taken over, in order
    std::vector<Entry> computed;                               // then computed, in order
    const char* result;                                        // the last report's last line
};

class AlgorithmChain : public testing::TestWithParam<ChainCase> {};

TEST_P(AlgorithmChain, TheLastAlgorithmReadsWhatTheOthersGaveBack) {
    const ChainCase& c = GetParam();
    WorkingValues wv;
    for (const auto& [entry, fields] : c.taken)
        wv = algorithmInputs(entry, fields, wv);
    Printed last;
    for (Entry e : c.computed) {
        WorkingChanges out;
        last = print([&](const px::lines::LineSink& sink) { px::algo::report(e, wv, out, sink); });
        px::store(out, wv);
        ASSERT_FALSE(last.lines.empty());
        ASSERT_FALSE(last.fault) << faultOf(last.fault);
    }
    EXPECT_EQ(last.lines.back(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Correlation, AlgorithmChain,
    testing::Values(
        // d(roc) = 20 gives -10 dB, and -10 dB gives back d(roc) = 20 (RC and BW kept).
        ChainCase{"IndexToSiNiAndBack",
                  {{px::algo::SiNiIndex, {1000, 1, 20}}},
                  {px::algo::SiNiIndex, px::algo::DetectionIndex},
                  " d(roc)=  20 "},
        // The noise of 10 V, 1 s, 1 kHz gives back the time constant of 1 s from the unrounded noise.
        ChainCase{"NoiseToTimeConstant",
                  {{px::algo::OutputNoise, {10, 1, 1000}}},
                  {px::algo::OutputNoise, px::algo::TimeConstant},
                  " RC(Sec.)=  1 "},
        // The output signal of 0 dB, given back unrounded, is the input of the Si/Ni algorithm: back to 0 dB.
        ChainCase{"SuxToSiNi",
                  {{px::algo::OutputSignal, {10, 0}}},
                  {px::algo::OutputSignal, px::algo::SiNiOutput},
                  " Raporto Si/Ni(db)=  0 "},
        // (10^(12.8668/20))^4 · 2000: from the unrounded Si/Ni, not from the 12.8 printed (which gives 724 436).
        ChainCase{"SiNiThenIndexUsesTheSiNiJustFound",
                  {{px::algo::OutputNoise, {10, 1, 1000}}, {px::algo::SiNiOutput, {10, 4, 1}}},
                  {px::algo::SiNiOutput, px::algo::DetectionIndex},
                  " d(roc)=  748829.2 "}),
    [](const testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

// ---- The number blocks -----------------------------------------------------------------------------------------

// A fresh entry, then n and the mode typed once and each pair taken over.
px::BlockState entered(double n, double mode, const std::vector<std::pair<double, double>>& pairs) {
    px::BlockState b;
    px::startEntry(b);
    for (const auto& [a, bValue] : pairs) {
        px::PairTaken taken;
        px::takePair(b, {n, a, bValue, mode}, taken);
    }
    return b;
}

const std::vector<std::pair<double, double>> kExample{{1, 2}, {2, 3}, {4, 6}, {5, 5}};

struct BlockCase {
    const char* name;
    double n, mode;
    std::vector<std::pair<double, double>> pairs;
    std::vector<std::string> report;
    px::BlockReportEnd end;
    const char* fault;  // nullptr: none (end then says how it ended)
};

class BlockModel : public testing::TestWithParam<BlockCase> {};

TEST_P(BlockModel, HandsOnItsReport) {
    const BlockCase& c = GetParam();
    px::BlockState b = entered(c.n, c.mode, c.pairs);
    std::optional<px::BlockReportEnd> end;
    const Printed p = print([&](const px::lines::LineSink& sink) { end = px::blockReport(b, sink); });
    EXPECT_EQ(p.lines, c.report);
    if (c.fault != nullptr) {
        EXPECT_EQ(faultOf(p.fault), c.fault);
        EXPECT_FALSE(end);
        // A second report starts from empty sums: the same lines, not sums doubled by the report that faulted.
        const Printed again = print([&](const px::lines::LineSink& sink) { px::blockReport(b, sink); });
        EXPECT_EQ(again.lines, c.report);
    } else {
        EXPECT_FALSE(p.fault) << faultOf(p.fault);
        EXPECT_EQ(end, c.end);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Correlation, BlockModel,
    testing::Values(
        // Numbers with a blank for their sign; the Format results are texts, without one.
        BlockCase{"SingleReport",
                  4,
                  0,
                  kExample,
                  {
                      "A media =    3 ",
                      "B media =    4 ",
                      "A Dev.std.=   1.581",
                      "B Dev.std.=   1.581",
                      "",
                      "C=  0.9 ",
                      "A 1 = 1 ;B 1 = 2 ",
                      "scarto A 1  =  -2.00; rapp.scarti =1.00",
                      "scarto B 1  =  -2.00",
                      "A 2 = 2 ;B 2 = 3 ",
                      "scarto A 2  =  -1.00; rapp.scarti =1.00",
                      "scarto B 2  =  -1.00",
                      "A 3 = 4 ;B 3 = 6 ",
                      "scarto A 3  =  1.00; rapp.scarti =0.50",
                      "scarto B 3  =  2.00",
                      "A 4 = 5 ;B 4 = 5 ",
                      "scarto A 4  =  2.00; rapp.scarti =2.00",
                      "scarto B 4  =  1.00",
                  },
                  px::BlockReportEnd::Finished,
                  nullptr},
        BlockCase{"EveryShift",
                  4,
                  1,
                  kExample,
                  {"0C=  0.9 ", "A 1 = 1 ;B 1 = 2 ", "1C= -0.3 ", "A 2 = 2 ;B 2 = 3 ", "2C= -0.9 ",
                   "A 3 = 4 ;B 3 = 6 ", "3C=  0.3 ", "A 4 = 5 ;B 4 = 5 "},
                  px::BlockReportEnd::Finished,
                  nullptr},
        // An element at its mean: the report ends with the pair line of index 2, the line whose ratio faults is
        // not handed on.
        BlockCase{"AnElementAtItsMeanFaults",
                  3,
                  0,
                  {{1, 2}, {2, 4}, {3, 6}},
                  {"A media =    2 ", "B media =    4 ", "A Dev.std.=   0.816", "B Dev.std.=   1.633", "", "C=  1 ",
                   "A 1 = 1 ;B 1 = 2 ", "scarto A 1  =  -1.00; rapp.scarti =0.50", "scarto B 1  =  -2.00",
                   "A 2 = 2 ;B 2 = 4 "},
                  px::BlockReportEnd::Finished,
                  "Divisione per zero"},
        BlockCase{"EqualValuesSingle", 3, 0, {{1, 5}, {2, 5}, {3, 5}}, {}, px::BlockReportEnd::Stopped, nullptr},
        BlockCase{
            "EqualValuesEveryShift", 3, 1, {{1, 5}, {2, 5}, {3, 5}}, {}, px::BlockReportEnd::Stopped, nullptr}),
    [](const testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

// Before any entry there is no block: no line, and the screen prepares the entry.
TEST(CorrelationBlocks, NoBlockBeforeAnEntry) {
    px::BlockState b;
    std::vector<px::lines::Line> lines;
    EXPECT_EQ(px::blockReport(b, [&](const px::lines::Line& l) { lines.push_back(l); }), px::BlockReportEnd::Empty);
    EXPECT_TRUE(lines.empty());
}

// The pair lines begin at character column 20, the others at the left edge.
TEST(CorrelationBlocks, PairLinesTabToColumnTwenty) {
    px::BlockState b = entered(4, 0, kExample);
    std::vector<px::lines::Line> lines;
    px::blockReport(b, [&](const px::lines::Line& l) { lines.push_back(l); });
    ASSERT_GT(lines.size(), 7u);
    ASSERT_FALSE(lines[6].empty());
    EXPECT_EQ(lines[6][0].kind, px::lines::Item::Tab);
    EXPECT_EQ(lines[6][0].column, 20);
    EXPECT_EQ(lines[7][0].kind, px::lines::Item::Text);
}

struct PairCase {
    const char* name;
    std::vector<std::pair<double, double>> before;  // typed with n = 4, mode 0
    double n;                                       // n when the last pair is typed
    std::pair<double, double> pair;
    std::optional<int> announced;  // the index the captions then announce (none past the block's end)
    double A1, B1, A2;             // the block at indices 1 and 2 afterwards
};

class BlockPair : public testing::TestWithParam<PairCase> {};

TEST_P(BlockPair, IsKeptAtItsIndex) {
    const PairCase& c = GetParam();
    px::BlockState b = entered(4, 0, c.before);
    px::PairTaken taken;
    px::takePair(b, {c.n, c.pair.first, c.pair.second, 0}, taken);
    EXPECT_TRUE(taken.labelled);
    EXPECT_TRUE(taken.emptied);
    EXPECT_EQ(taken.label, c.announced);
    EXPECT_EQ(b.A[1], c.A1);
    EXPECT_EQ(b.B[1], c.B1);
    EXPECT_EQ(b.A[2], c.A2);
}

INSTANTIATE_TEST_SUITE_P(Correlation, BlockPair,
                         testing::Values(
                             // The first pair is announced by the entry; taking it announces the second.
                             PairCase{"First", {}, 4, {1, 2}, 2, 1, 2, 0},
                             // A fifth pair after four: index 1 again, the rest of the block as it was.
                             PairCase{"FifthStartsAgainAtOne", kExample, 4, {7, 8}, std::nullopt, 7, 8, 2},
                             // A pair typed with n = 0 (field 1 emptied) is kept at index 1.
                             PairCase{"WithoutLengthAtOne", {{1, 2}, {3, 5}}, 0, {9, 10}, 4, 9, 10, 3}),
                         [](const testing::TestParamInfo<PairCase>& info) { return std::string(info.param.name); });

// Sixty-four pairs fill the block; a 65th faults after announcing it, keeps its fields and leaves the 64 as they
// were, and a report of 65 reads beyond the table too.
TEST(CorrelationBlocks, A65thPairFaultsAndLeavesTheBlock) {
    std::vector<std::pair<double, double>> pairs;
    for (int i = 1; i <= 64; ++i)
        pairs.emplace_back(i, i * i);
    px::BlockState b = entered(65, 0, pairs);
    px::PairTaken taken;
    try {
        px::takePair(b, {65, 1000, 2000, 0}, taken);
        FAIL() << "no fault";
    } catch (const px::Fault& f) {
        EXPECT_EQ(f.kind(), px::FaultKind::IndexOutOfRange);
    }
    EXPECT_TRUE(taken.labelled);
    EXPECT_FALSE(taken.emptied);
    for (int i = 1; i <= 64; ++i) {
        ASSERT_EQ(b.A[static_cast<std::size_t>(i)], i);
        ASSERT_EQ(b.B[static_cast<std::size_t>(i)], i * i);
    }
    const Printed p = print([&](const px::lines::LineSink& sink) { px::blockReport(b, sink); });
    EXPECT_EQ(faultOf(p.fault), "Indice fuori dai limiti della tabella");
}

// ---- The simulation --------------------------------------------------------------------------------------------

TEST(SimulationTable, CountsTheAgreeingBitsOfTheLowNibbleAndTheReversedHighNibble) {
    px::SimulationState sim;
    px::buildCoincidenceTable(sim);
    for (int i = 0; i < 256; ++i) {
        int agree = 0;
        for (int b = 0; b < 4; ++b)
            agree += ((i >> b) & 1) == ((i >> (7 - b)) & 1) ? 1 : 0;
        EXPECT_EQ(sim.T[static_cast<std::size_t>(i)], agree) << "T(" << i << ")";
    }
    const struct { int i, t; } known[] = {{0, 4}, {1, 3}, {15, 0}, {16, 3}, {17, 2}, {240, 0}, {255, 4}};
    for (const auto& k : known)
        EXPECT_EQ(sim.T[static_cast<std::size_t>(k.i)], k.t) << "T(" << k.i << ")";
    int all = 0, first100 = 0;
    for (int i = 0; i < 256; ++i)
        (i < 100 ? first100 : all) += sim.T[static_cast<std::size_t>(i)];
    EXPECT_EQ(all + first100, 2 * 256);
    EXPECT_EQ(first100, 2 * 100);  // the uniform index draws 0 … 99: an uncorrelated channel gains 2 a sample
}

TEST(SimulationCycle, ScalesTheIntegratorsByTheTimeConstant) {
    px::SimulationState sim;
    SteppingClock clock;
    px::LinearUniform random;
    px::CycleOutput out;
    px::synthesizeCycle(sim, {"0", "1", "1"}, clock, random, out);  // a gain of 1 keeps H as it was
    EXPECT_EQ(sim.alpha, static_cast<float>(1 - 1 / 7000.0));
    EXPECT_NEAR(sim.alpha, 0.99985714, 3e-8);  // 1 - 1/7000 in single precision
    EXPECT_EQ(sim.L0, 14000.0f);
    EXPECT_EQ(sim.H, 10480.0f);
    EXPECT_EQ(sim.RCs, 1.0f);
    EXPECT_EQ(sim.G, 1.0f);
    // The working values the other processes read.
    EXPECT_EQ(out.values.D, 0.0);
    EXPECT_EQ(out.values.Valim, 2.0f);
    EXPECT_NEAR(out.values.Sux.value_or(0), 2 / 3.14 * std::asin(0.5), 1e-6);
    // Every channel was raised to L0 before it integrated: none lies below α·L0.
    for (float I : sim.I)
        EXPECT_GE(I, sim.alpha * sim.L0) << I;

    // The automatic gain scales the display by S3.
    px::CycleOutput automatic;
    px::synthesizeCycle(sim, {"0", "1", ""}, clock, random, automatic);
    EXPECT_EQ(sim.G, 0.333f);
    EXPECT_EQ(sim.H, 10480.0f * 0.333f);
}

TEST(SimulationCycle, WithoutATimeConstantChangesNothingAndDrawsOffsetMarks) {
    px::SimulationState sim;
    SteppingClock clock;
    px::LinearUniform random;
    px::CycleOutput out;
    px::synthesizeCycle(sim, {"0", "", ""}, clock, random, out);
    EXPECT_FALSE(out.p || out.peak || out.cleared || out.expected || out.autoGain);
    EXPECT_FALSE(out.values.D || out.values.Valim || out.values.Sux);
    px::computeLags(sim);
    EXPECT_EQ(sim.H, 1048.0f);
    EXPECT_EQ(sim.y0, 4600.0);
    // Z = -1310 at every channel: 500·(2.8 + 5·1310/1048) + 4600.
    for (int k = px::kFirstMark; k <= px::kLastMark; ++k)
        EXPECT_EQ(px::markCentre(sim, k).y, 9125.0f) << k;
    EXPECT_EQ(px::markCentre(sim, 28).x, 9580.0f);  // the correlated channel, I5
}

}  // namespace
