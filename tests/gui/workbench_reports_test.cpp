// The workbench's printed reports as the user reads them: the seven digital-system algorithms and the correlation
// of two number blocks, driven through the process list, the data fields and the two buttons, and read back from
// the texts drawn on the window, line by line; and the copy of a whole report to the clipboard.
#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "controls.h"
#include "gui_support.h"
#include "numbers.h"
#include "workbench.h"

namespace {

using pxtest::ScreenTest;

const std::string kAlgorithms = "ALGORITMI SISTEMI DIG.";
const std::string kBlocks = "CORR. BLOCCHI  NUMERICI";

class ReportTest : public ScreenTest {
protected:
    void SetUp() override { ASSERT_TRUE(ui.show("Form12")); }

    px::Form12& form() { return *static_cast<px::Form12*>(px::screens::find("Form12")); }
    double lineHeight() { return QFontMetricsF(form().surface().font()).height() / px::twips::scale(); }
    double columnWidth() { return QFontMetricsF(form().surface().font()).averageCharWidth() / px::twips::scale(); }

    void pick(const std::string& target, const std::string& entry) {
        ASSERT_TRUE(ui.pick(target, entry)) << ui.lastError();
    }
    // Types each given field's text (field 1 first); nullptr leaves a field as it is.
    void fill(std::initializer_list<const char*> texts) {
        int n = 1;
        for (const char* t : texts) {
            if (t != nullptr) retype("Form12.txtdigits" + std::to_string(n), t);
            ++n;
        }
    }
    void validate() { ASSERT_TRUE(ui.click("Form12.Command2")); }
    void compute() { ASSERT_TRUE(ui.click("Form12.Command1")); }

    // The report as drawn: the texts of each text line of the window, from the top, in their order along the
    // line; a line without text (an empty statement) reads "".
    std::vector<std::string> lines() {
        std::map<long, std::vector<px::Primitive>> rows;
        for (const px::Primitive& p : ofKind("Form12", px::Primitive::Text))
            rows[std::lround(p.y1 / lineHeight())].push_back(p);
        std::vector<std::string> out;
        if (rows.empty()) return out;
        out.resize(static_cast<std::size_t>(rows.rbegin()->first + 1));
        for (auto& [row, items] : rows) {
            std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.x1 < b.x1; });
            for (const px::Primitive& p : items)
                out[static_cast<std::size_t>(row)] += form().surface().textOf(p).toStdString();
        }
        return out;
    }
    // Where the first text of a line begins, in twips.
    double lineStart(std::size_t row) {
        double x = 1e9;
        for (const px::Primitive& p : ofKind("Form12", px::Primitive::Text))
            if (std::lround(p.y1 / lineHeight()) == static_cast<long>(row)) x = std::min(x, double(p.x1));
        return x;
    }
    std::string clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
};

// ---- The seven algorithms
// ------------------------------------------------------------------------------------------

struct AlgorithmCase {
    const char* name;
    const char* entry;
    std::vector<const char*> fields;
    std::vector<std::string> report;  // empty: the window is left empty
    const char* fault;                // nullptr: none
};

const std::vector<std::string> head(const char* inputs, const char* results, std::vector<std::string> rest) {
    std::vector<std::string> out{" VARIABILI DI INGRESSO:", inputs, "", results};
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

const char* const kSiNiOut = "Si/Ni(dB) = f[Sux(Vcc.);Ving.(Veff)]";
const char* const kSiNiIndex = "Si/Ni(dB) = f[d(roc); RC(Sec.);BW(Hz)]";
const char* const kSux = "Sux(Vcc) = f[(Si/Ni)dB]";
const char* const kNux = "Nux(Veff) = f[RC(Sec.);BW(Hz)]";
const char* const kRatio = "Sux/Nux(dB) = f[Si/Ni(dB); RC(Sec.);BW(Hz)]";
const char* const kRC = "RC(Sec.) = f[Nux(Veff.);BW(Hz)]";
const char* const kIndex = "d(roc) = f[RC(Sec.);Si/Ni(dB);BW(Hz)]";

const AlgorithmCase kAlgorithmCases[] = {
    {"SuxAtZeroDb", kSux, {"10", "0"}, head(" Si/Ni(dB)", " DATI IN USCITA:", {" Sux(Vcc.)=  1.667 "}), nullptr},
    {"SiNiJustBelowZero",
     kSiNiOut,
     {"10", "1.667", "1"},
     head(" Sux(Vcc.); V.ingr.(Veff.)",
          " DATI IN USCITA:", {" Ni(Veff.)=  0.707 ", " Si(Veff.)=  0.707 ", " Raporto Si/Ni(db)= -0.1 "}),
     nullptr},
    {"SiNiAt13Db",
     kSiNiOut,
     {"10", "4", "1"},
     head(" Sux(Vcc.); V.ingr.(Veff.)",
          " DATI IN USCITA:", {" Ni(Veff.)=  0.221 ", " Si(Veff.)=  0.975 ", " Raporto Si/Ni(db)=  12.8 "}),
     nullptr},
    {"SuxAboveHalfSupplyPrintsNothing", kSiNiOut, {"10", "6", "1"}, {}, nullptr},
    {"ZeroSupplyPrintsNothing", kSiNiOut, {"0", "1", "1"}, {}, nullptr},
    {"NoiseOfOneSecondAndOneKilohertz",
     kNux,
     {"10", "1", "1000"},
     head(" RC(Sec.); BW(Hz)", " DATI IN USCITA: ", {" Nux(Veff.)=  0.054 "}),
     nullptr},
    {"NoiseWithoutBandFaults", kNux, {"10", "1", "0"}, {}, "Divisione per zero"},
    {"NoiseOfNegativeProductFaults", kNux, {"10", "-1", "1000"}, {}, "Argomento non valido"},
    {"TimeConstantBack",
     kRC,
     {"10", "0.054", "1000"},
     head(" Nux(Veff.); BW(Hz)", " DATI IN USCITA:", {" RC(Sec.)=  1.01 "}),
     nullptr},
    {"TimeConstantWithoutBandPrintsNothing", kRC, {"10", "0.054", "0"}, {}, nullptr},
    {"SiNiFromIndex20",
     kSiNiIndex,
     {"1000", "1", "20"},
     head(" RC(Sec.); BW(Hz); d(roc)", " DATI IN USCITA: ", {" (Si/Ni)dB= -10 "}),
     nullptr},
    {"SiNiFromNegativeIndexFaults", kSiNiIndex, {"1000", "1", "-20"}, {}, "Argomento non valido"},
    {"SiNiFromZeroIndexPrintsNothing", kSiNiIndex, {"1000", "1", "0"}, {}, nullptr},
    {"IndexAtMinus10Db",
     kIndex,
     {"-10", "1", "1000"},
     head(" RC(Sec.); BW(Hz); Si/Ni(dB)", " DATI DI USCITA:", {" d(roc)=  20 "}),
     nullptr},
    {"OutputRatioAtMinus10Db",
     kRatio,
     {"-10", "1000", "1"},
     head(" RC(Sec.); BW(Hz); Si/Ni(dB) ", " DATI IN USCITA:", {" (Sux/Nux)dB=  14.5 "}),
     nullptr},
    {"OutputRatioWithoutBandFaults", kRatio, {"-10", "0", "1"}, {}, "Argomento non valido"},
};

class AlgorithmReportTest : public ReportTest, public testing::WithParamInterface<AlgorithmCase> {};

TEST_P(AlgorithmReportTest, PrintsItsReportAfterClearing) {
    const AlgorithmCase& c = GetParam();
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", c.entry);
    fill({c.fields.size() > 0 ? c.fields[0] : nullptr, c.fields.size() > 1 ? c.fields[1] : nullptr,
          c.fields.size() > 2 ? c.fields[2] : nullptr});
    validate();
    compute();
    EXPECT_EQ(lines(), c.report);
    // Nothing but the report: the plot frame is gone too.
    EXPECT_TRUE(ofKind("Form12", px::Primitive::Point).empty());
    EXPECT_TRUE(ofKind("Form12", px::Primitive::Line).empty());
    const auto faults = ui.faults();
    if (c.fault == nullptr) {
        EXPECT_TRUE(faults.empty());
    } else {
        EXPECT_EQ(faults, std::vector<std::string>{c.fault});
    }
}

INSTANTIATE_TEST_SUITE_P(Algorithms, AlgorithmReportTest, testing::ValuesIn(kAlgorithmCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, ANumberOfTheReportIsWrittenWithTheRegionalSeparator) {
    px::setDecimalSeparator(",");
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kSux);
    fill({"10", "0"});
    validate();
    compute();
    ASSERT_EQ(lines().size(), 5u);
    EXPECT_EQ(lines()[4], " Sux(Vcc.)=  1,667 ");
}

TEST_F(ReportTest, ASecondComputationReplacesTheReportAndAGuardLeavesTheWindowEmpty) {
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kSiNiOut);
    fill({"10", "1.667", "1"});
    validate();
    compute();
    ASSERT_EQ(lines().size(), 7u);
    fill({nullptr, "6"});
    validate();
    compute();
    EXPECT_TRUE(ui.primitives("Form12").empty());
    EXPECT_TRUE(ui.faults().empty());
}

// A result stored by one algorithm is read by the next without its validation: picking an algorithm empties the
// fields, and "Calcolo" right after computes with what the previous one left.
struct ChainCase {
    const char* name;
    const char* first;
    std::vector<const char*> fields;
    const char* second;
    const char* result;  // the second report's last line
};

const ChainCase kChains[] = {
    // d(roc) = 20 gives -10 dB, and -10 dB gives back d(roc) = 20 (RC and BW kept).
    {"IndexToSiNiAndBack", kSiNiIndex, {"1000", "1", "20"}, kIndex, " d(roc)=  20 "},
    // The noise of 10 V, 1 s, 1 kHz gives back the time constant of 1 s from the unrounded noise.
    {"NoiseToTimeConstant", kNux, {"10", "1", "1000"}, kRC, " RC(Sec.)=  1 "},
    // The output signal of 0 dB, stored unrounded, is the input of the Si/Ni algorithm: back to 0 dB.
    {"SuxToSiNi", kSux, {"10", "0"}, kSiNiOut, " Raporto Si/Ni(db)=  0 "},
};

class ChainTest : public ReportTest, public testing::WithParamInterface<ChainCase> {};

TEST_P(ChainTest, TheSecondAlgorithmReadsTheFirstOnesResult) {
    const ChainCase& c = GetParam();
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", c.first);
    fill({c.fields[0], c.fields[1], c.fields.size() > 2 ? c.fields[2] : nullptr});
    validate();
    compute();
    ASSERT_FALSE(lines().empty());
    pick("Form12.List1", c.second);
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "");
    compute();
    const auto report = lines();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), c.result);
    EXPECT_TRUE(ui.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Algorithms, ChainTest, testing::ValuesIn(kChains),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, CalcolosiniThenIndexUsesTheSiNiJustFound) {
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kNux);  // RC = 1, BW = 1000
    fill({"10", "1", "1000"});
    validate();
    pick("Form12.List1", kSiNiOut);
    fill({"10", "4", "1"});  // Si/Ni 12.87 dB
    validate();
    compute();
    pick("Form12.List1", kIndex);
    compute();
    // (10^(12.8668/20))^4 · 2000: from the unrounded Si/Ni, not from the 12.8 printed (which gives 724 436).
    const auto report = lines();
    ASSERT_EQ(report.size(), 5u);
    EXPECT_EQ(report[4], " d(roc)=  748829.2 ");
}

struct SetupCase {
    const char* entry;
    std::vector<std::string> captions;  // fields 1 … 6
    bool compareShown;
};

TEST_F(ReportTest, EachAlgorithmSetsItsCaptionsAndTheOlderOnesHideTheCompareBox) {
    const SetupCase cases[] = {
        {kSiNiOut, {"V.alim.(Vcc.)", "Sux(Vcc.)", "V.eff.ingr.", "Dato4", "Dato5", "Dato6"}, false},
        {kSux, {"V.alim.(Vcc.)", "Si/Ni(dB)", "Dato3", "Dato4", "Dato5", "Dato6"}, false},
        {kNux, {"V.alim.(Vcc.)", "RC(Sec.)", "BW(Hz)", "Dato4", "Dato5", "Dato6"}, false},
        {kSiNiIndex, {"BW(Hz)", "RC(Sec.)", "d(roc)", "Dato4", "Dato5", "Dato6"}, false},
        {kRC, {"V.alim.(Vcc.)", "Nux(Veff.)", "BW(Hz)", "Dato4", "Dato5", "Dato6"}, false},
        {kRatio, {"Si/Ni(dB)", "BW(Hz)", "RC(Sec.)", "Dato4", "Dato5", "Dato6"}, true},
        {kIndex, {"Si/Ni(dB)", "RC(Sec.)", "BW(Hz)", "Dato4", "Dato5", "Dato6"}, true},
    };
    const char* labels[] = {"Label1", "Label3", "Label4", "Label5", "Label6", "Label8"};
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.entry);
        // A fresh algorithm mode each time: the compare box shows until an older algorithm hides it.
        pick("Form12.Combo1", "ANAL. C = f(F,tc)");
        pick("Form12.Combo1", kAlgorithms);
        fill({"1", "2", "3", "4"});
        pick("Form12.List1", c.entry);
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(ui.text(std::string("Form12.") + labels[n]), c.captions[static_cast<std::size_t>(n)]);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(ui.text("Form12.txtdigits" + std::to_string(n)), "");
        EXPECT_EQ(ui.get("Form12.Check1")->visible, c.compareShown);
        EXPECT_TRUE(ui.primitives("Form12").empty());
    }
}

TEST_F(ReportTest, ValidationStoresInSinglePrecisionWhereTheValueIsSingle) {
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kNux);
    fill({"0.1", "0.1", "0.1"});
    validate();
    EXPECT_EQ(form().wv.Valim, 0.1f);
    EXPECT_EQ(form().wv.RC, 0.1);  // double
    EXPECT_EQ(form().wv.BW, 0.1f);
}

// ---- The number blocks
// --------------------------------------------------------------------------------------------

class BlockTest : public ReportTest {
protected:
    // Picks the process and presses "Calcolo" with nothing entered, which prepares the entry.
    void start() {
        pick("Form12.Combo1", kBlocks);
        compute();
    }
    // Types n and the mode once, then each pair with "Convalida dati".
    void enter(const char* n, const char* mode, const std::vector<std::pair<std::string, std::string>>& pairs) {
        fill({n, nullptr, nullptr, mode});
        for (const auto& [a, b] : pairs) {
            fill({nullptr, a.c_str(), b.c_str()});
            validate();
        }
    }
    const std::vector<std::pair<std::string, std::string>> example{{"1", "2"}, {"2", "3"}, {"4", "6"}, {"5", "5"}};
};

TEST_F(BlockTest, TheSetupAnnouncesTheFirstPair) {
    start();
    EXPECT_EQ(ui.text("Form12.Label1"), "             n");
    EXPECT_EQ(ui.text("Form12.Label3"), "1            A");
    EXPECT_EQ(ui.text("Form12.Label4"), "1            B");
    EXPECT_EQ(ui.text("Form12.Label5"), " mult.=1 ");
    for (const char* hidden : {"Label7", "Label10", "Label11", "Label12", "Check1", "Image3"})
        EXPECT_FALSE(ui.get(std::string("Form12.") + hidden)->visible) << hidden;
    fill({"4", nullptr, nullptr, "0"});
    fill({nullptr, "1", "2"});
    validate();
    EXPECT_EQ(ui.text("Form12.Label1"), "            n");
    EXPECT_EQ(ui.text("Form12.Label3"), "2            A");
    EXPECT_EQ(ui.text("Form12.Label4"), "2            B");
    EXPECT_EQ(ui.text("Form12.txtdigits2"), "");
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "");
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "4");
}

TEST_F(BlockTest, SingleReportGivesMeansDeviationsCoefficientAndEachIndex) {
    start();
    enter("4", "0", example);
    compute();
    // Numbers with a blank for their sign; the Format results are texts, without one.
    const std::vector<std::string> expected = {
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
    };
    EXPECT_EQ(lines(), expected);
    // The pair lines begin at character column 20, the others at the left edge.
    EXPECT_NEAR(lineStart(6), 19 * columnWidth(), 0.01);
    EXPECT_EQ(lineStart(7), 0.0);
    EXPECT_TRUE(ui.faults().empty());
    // A complete report starts the entry again.
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(ui.text("Form12.txtdigits" + std::to_string(n)), "");
    EXPECT_EQ(ui.text("Form12.Label3"), "1            A");
    EXPECT_EQ(ui.text("Form12.Label4"), "1            B");
}

TEST_F(BlockTest, MultipleReportGivesTheCoefficientOfEveryShift) {
    start();
    enter("4", "1", example);
    compute();
    const std::vector<std::string> expected = {
        "0C=  0.9 ", "A 1 = 1 ;B 1 = 2 ", "1C= -0.3 ", "A 2 = 2 ;B 2 = 3 ",
        "2C= -0.9 ", "A 3 = 4 ;B 3 = 6 ", "3C=  0.3 ", "A 4 = 5 ;B 4 = 5 ",
    };
    EXPECT_EQ(lines(), expected);
    EXPECT_TRUE(ui.faults().empty());
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "");
}

TEST_F(BlockTest, AnElementAtItsMeanStopsTheSingleReportWithADivisionByZero) {
    start();
    enter("3", "0", {{"1", "2"}, {"2", "4"}, {"3", "6"}});
    compute();
    // The report ends with the pair line of index 2: the line whose ratio faults is not written.
    auto report = lines();
    ASSERT_EQ(report.size(), 10u);
    EXPECT_EQ(report[0], "A media =    2 ");
    EXPECT_EQ(report[5], "C=  1 ");
    EXPECT_EQ(report[9], "A 2 = 2 ;B 2 = 4 ");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "3");  // the fields are not cleared
    // A second "Calcolo" starts from empty sums: the same means, not sums doubled by the report that faulted.
    compute();
    report = lines();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], "A media =    2 ");
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
}

TEST_F(BlockTest, ABlockOfEqualValuesGivesNoReportInEitherMode) {
    for (const char* mode : {"0", "1"}) {
        SCOPED_TRACE(mode);
        start();
        enter("3", mode, {{"1", "5"}, {"2", "5"}, {"3", "5"}});
        compute();
        EXPECT_TRUE(ui.primitives("Form12").empty());
        EXPECT_TRUE(ui.faults().empty());
        EXPECT_EQ(ui.text("Form12.txtdigits1"), "3");  // the entry does not start again
        fill({"0"});
        validate();  // n = 0 now; the next "Calcolo" prepares the entry again
    }
}

// Item 4 of the entry: a pair typed when the block starts again is kept at index 1.
TEST_F(BlockTest, APairTypedWhenTheBlockStartsAgainIsKeptAtIndexOne) {
    start();
    enter("4", "0", example);
    enter(nullptr, nullptr, {{"7", "8"}});  // a fifth pair after four: index 1 again
    EXPECT_EQ(ui.text("Form12.txtdigits2"), "");
    EXPECT_EQ(ui.text("Form12.txtdigits3"), "");
    EXPECT_EQ(form().blocks.A[1], 7.0);
    EXPECT_EQ(form().blocks.B[1], 8.0);
    EXPECT_EQ(form().blocks.A[2], 2.0);  // the rest of the block as it was
    compute();
    const auto report = lines();
    ASSERT_GT(report.size(), 6u);
    EXPECT_EQ(report[6], "A 1 = 7 ;B 1 = 8 ");
}

TEST_F(BlockTest, APairTypedBeforeNIsKeptAtIndexOne) {
    start();
    enter("2", "0", {{"1", "2"}, {"3", "5"}});
    compute();  // complete: fields 1 to 3 empty, n must be typed again
    ASSERT_EQ(ui.text("Form12.txtdigits1"), "");
    fill({nullptr, "9", "10"});
    validate();  // field 1 reads 0
    EXPECT_EQ(form().blocks.A[1], 9.0);
    EXPECT_EQ(form().blocks.B[1], 10.0);
    enter("2", nullptr, {{"11", "13"}});
    compute();
    const auto report = lines();
    ASSERT_EQ(report.size(), 12u);
    EXPECT_EQ(report[6], "A 1 = 9 ;B 1 = 10 ");
    EXPECT_EQ(report[9], "A 2 = 11 ;B 2 = 13 ");
}

// Sixty-four pairs: a report of 198 lines, longer than the window, copied whole; a 65th pair faults and leaves the
// 64 stored as they were.
TEST_F(BlockTest, SixtyFourPairsReportCopiesWholeAndA65thPairFaults) {
    start();
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 1; i <= 64; ++i)
        pairs.emplace_back(std::to_string(i), std::to_string(i * i));
    enter("65", "0", pairs);
    EXPECT_TRUE(ui.faults().empty());
    enter(nullptr, nullptr, {{"1000", "2000"}});
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Indice fuori dai limiti della tabella"});
    EXPECT_EQ(ui.text("Form12.txtdigits2"), "1000");  // the pair that did not fit stays in its fields
    for (int i = 1; i <= 64; ++i) {
        ASSERT_EQ(form().blocks.A[static_cast<std::size_t>(i)], i);
        ASSERT_EQ(form().blocks.B[static_cast<std::size_t>(i)], i * i);
    }
    // A report of n = 65 reads beyond the table too; with n = 64 it is complete.
    compute();
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Indice fuori dai limiti della tabella"});
    // n is read at "Convalida dati": typing 64 and pressing it faults once more (no room for a pair), and the
    // report of the 64 follows.
    fill({"64"});
    validate();
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Indice fuori dai limiti della tabella"});
    compute();
    EXPECT_TRUE(ui.faults().empty());
    const auto report = lines();
    ASSERT_EQ(report.size(), 198u);
    EXPECT_EQ(report[0], "A media =    32.5 ");
    EXPECT_EQ(report[1], "B media =    1397.5 ");
    EXPECT_EQ(report[195], "A 64 = 64 ;B 64 = 4096 ");

    form().copyReportAction->trigger();
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(copied.size(), 199);  // every line ends with a line feed
    EXPECT_EQ(copied.last(), "");
    for (std::size_t i = 0; i < report.size(); ++i) {
        // The copy holds the lines as printed, the tab to column 20 as blanks.
        const bool pairLine = i >= 6 && (i - 6) % 3 == 0;
        const std::string shown = pairLine ? std::string(19, ' ') + report[i] : report[i];
        ASSERT_EQ(copied[static_cast<int>(i)].toStdString(), shown) << i;
    }
}

// ---- Copying the report
// --------------------------------------------------------------------------------------------

TEST_F(ReportTest, CopyTakesTheReportOnTheWindowAndNothingOnceItIsCleared) {
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kSux);
    fill({"10", "0"});
    validate();
    compute();
    form().copyReportAction->trigger();
    EXPECT_EQ(clipboard(), " VARIABILI DI INGRESSO:\n Si/Ni(dB)\n\n DATI IN USCITA:\n Sux(Vcc.)=  1.667 \n");
    // The entry of the context menu and of Ctrl+C is the same action.
    EXPECT_EQ(form().copyReportAction->text(), "Copia rapporto");
    EXPECT_EQ(form().copyReportAction->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_TRUE(form().actions().contains(form().copyReportAction));
    EXPECT_EQ(form().contextMenuPolicy(), Qt::ActionsContextMenu);
    // A curve clears the window: no report is left to copy, and the clipboard keeps what it held.
    QGuiApplication::clipboard()->setText("kept");
    pick("Form12.Combo1", "ANAL. C = f(F,tc)");
    form().copyReportAction->trigger();
    EXPECT_EQ(clipboard(), "kept");
}

// Ctrl+C sent to the workbench reaches its window shortcut whichever screen was active before, also after the
// workbench was shown again.
TEST_F(ReportTest, CtrlCCopiesTheReportAfterAnotherScreenWasActive) {
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kSux);
    fill({"10", "0"});
    validate();
    compute();
    QGuiApplication::clipboard()->setText("kept");
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.key("Form2.Text1", "Ctrl+C"));
    ASSERT_TRUE(ui.show("Form12"));
    ASSERT_TRUE(ui.key("Form12", "Ctrl+C")) << ui.lastError();
    EXPECT_EQ(ui.clipboard(), " VARIABILI DI INGRESSO:\n Si/Ni(dB)\n\n DATI IN USCITA:\n Sux(Vcc.)=  1.667 \n");
    ASSERT_TRUE(ui.close("Form2"));
}

}  // namespace

namespace {

// ---- Long reports, Enter and the hint in the number blocks
// --------------------------------------------------------

// Enter in a data field stores the pair, as "Convalida dati" does; the hint tells what was stored and the limit.
TEST_F(BlockTest, EnterStoresThePairAndTheHintCountsThePairs) {
    pick("Form12.Combo1", kBlocks);
    EXPECT_EQ(form().hint().toStdString(), "Premere Calcolo per predisporre i blocchi (al più 64 coppie)");
    compute();
    EXPECT_EQ(form().hint().toStdString(), "Scrivere n (al più 64) e la coppia 1, poi Convalida dati (o Invio)");
    fill({"2", "1", "2"});
    EXPECT_EQ(form().hint().toStdString(), "Coppia non memorizzata: premere Convalida dati (o Invio)");
    ASSERT_TRUE(ui.key("Form12.txtdigits3", "Enter"));
    EXPECT_EQ(form().blocks.A[1], 1.0);
    EXPECT_EQ(form().blocks.B[1], 2.0);
    EXPECT_EQ(ui.text("Form12.Label3"), "2            A");
    EXPECT_TRUE(ofKind("Form12", px::Primitive::Text).empty()) << "Enter stores the pair and computes nothing";
    EXPECT_EQ(form().hint().toStdString(), "Coppia 1 di 2 memorizzata");
    fill({nullptr, "2", "4"});
    ASSERT_TRUE(ui.key("Form12.txtdigits2", "Enter"));
    EXPECT_EQ(form().hint().toStdString(), "Coppia 2 di 2 memorizzata: premere Calcolo");
    fill({"70"});
    validate();
    EXPECT_EQ(form().hint().toStdString(), "Coppia 3 di 70 memorizzata (i blocchi tengono al più 64 coppie)");
}

// A report longer than the room above the controls is read there: the band scrolls over the same display list
// with the wheel, Page Down, Ctrl+End and Ctrl+Home, and nothing of it is drawn below the band.
TEST_F(BlockTest, ALongReportScrollsToItsLastLineAndKeepsItsDrawing) {
    start();
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 1; i <= 64; ++i)
        pairs.emplace_back(std::to_string(i), std::to_string(i * i));
    enter("64", "0", pairs);
    compute();
    const auto drawn = ui.primitives("Form12");
    ASSERT_EQ(lines().size(), 198u);
    auto view = [this] { return ui.text("Form12.VScroll1"); };
    ASSERT_TRUE(ui.get("Form12.VScroll1")->visible);
    const int shown = form().reportLinesInView().second;
    EXPECT_GT(shown, 15);
    EXPECT_EQ(view(), "righe 1-" + std::to_string(shown) + " di 198");
    EXPECT_EQ(form().hint().toStdString(), "Rapporto di 198 righe: rotella, PagGiù o Ctrl+Fine per leggerlo");

    ASSERT_TRUE(ui.wheel("Form12", 3));
    EXPECT_GT(form().reportLinesInView().first, 1);
    ASSERT_TRUE(ui.wheel("Form12.Frame1", 1000));
    EXPECT_EQ(form().reportLinesInView().second, 198) << view();
    ASSERT_TRUE(ui.key("Form12.txtdigits1", "Ctrl+Home"));
    EXPECT_EQ(form().reportLinesInView().first, 1) << view();
    ASSERT_TRUE(ui.key("Form12.txtdigits1", "PageDown"));
    EXPECT_GT(form().reportLinesInView().first, shown / 2) << view();
    ASSERT_TRUE(ui.key("Form12.txtdigits1", "Ctrl+End"));
    EXPECT_EQ(form().reportLinesInView().second, 198) << view();
    EXPECT_EQ(ui.text("Form12.txtdigits1"), "") << "the keys scroll the report and type nothing";

    // The display list is the report's, whatever part is in view.
    EXPECT_EQ(ui.primitives("Form12").size(), drawn.size());
    // The last line is painted in the band; below the band, over the controls' room, nothing of the report.
    QImage shot = form().grab().toImage();
    const QRect band = px::twips::toPixels(0, 0, 6600, 4680);
    auto inked = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(shot.pixel(x, y)) < 64 ? 1 : 0;
        return n;
    };
    EXPECT_GT(inked(band.adjusted(0, band.height() / 2, 0, 0)), 50);
    EXPECT_EQ(inked(px::twips::toPixels(2600, 8300, 4000, 300)), 0);

    // A short report leaves the window as before: no scroll bar, the whole drawing in place.
    enter("2", "0", {{"1", "2"}, {"2", "5"}});
    compute();
    EXPECT_FALSE(ui.get("Form12.VScroll1")->visible);
    EXPECT_EQ(lines().size(), 12u);
}

// "Copia rapporto" is offered only with a report; Ctrl+C without one copies nothing and says so.
TEST_F(ReportTest, CopyIsOfferedOnlyWithAReportAndCtrlCWithoutOneSaysSo) {
    EXPECT_FALSE(form().copyReportAction->isEnabled());
    QGuiApplication::clipboard()->setText("kept");
    ASSERT_TRUE(ui.key("Form12", "Ctrl+C"));
    EXPECT_EQ(clipboard(), "kept");
    EXPECT_EQ(form().hint().toStdString(), "Nessun rapporto da copiare: gli appunti non cambiano");
    pick("Form12.Combo1", kAlgorithms);
    pick("Form12.List1", kSux);
    fill({"10", "0"});
    ASSERT_TRUE(ui.key("Form12.txtdigits2", "Enter"));  // takes the data over and computes
    EXPECT_TRUE(form().copyReportAction->isEnabled());
    ASSERT_TRUE(ui.key("Form12.txtdigits1", "Ctrl+C"));
    EXPECT_EQ(clipboard(), " VARIABILI DI INGRESSO:\n Si/Ni(dB)\n\n DATI IN USCITA:\n Sux(Vcc.)=  1.667 \n");
    EXPECT_EQ(form().hint().toStdString(), "Rapporto copiato negli appunti: 5 righe");
}

}  // namespace
