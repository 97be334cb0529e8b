// The workbench read in English: the window's texts, a curve process, an algorithm report, the number-block report
// and a fault message in English, with the same numbers as in Italian.
#include <QCheckBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "controls.h"
#include "curves.h"
#include "fault_box.h"
#include "gui_support.h"
#include "reading.h"
#include "simulation.h"
#include "workbench.h"

namespace {

using px::reading::Reading;
using pxtest::ScreenTest;

class WorkbenchEnglishTest : public ScreenTest {
protected:
    void SetUp() override { open(Reading::English); }
    void TearDown() override {
        ui.close("Form12");
        px::reading::apply(Reading::Italian);
    }

    // Opens the workbench afresh in a reading: its texts are set when it is built.
    void open(Reading reading) {
        if (px::screens::find("Form12") != nullptr) {
            ASSERT_TRUE(ui.close("Form12"));
        }
        px::reading::apply(reading);
        ASSERT_TRUE(ui.show("Form12")) << ui.lastError();
    }

    px::Form12& form() { return *static_cast<px::Form12*>(px::screens::find("Form12")); }
    static std::string field(int n) { return "Form12.txtdigits" + std::to_string(n); }
    std::string caption(int n) { return form().caption(n)->caption().toStdString(); }
    std::string tip(int n) { return form().field(n)->toolTip().toStdString(); }

    void pick(const std::string& target, const std::string& entry) {
        ASSERT_TRUE(ui.pick(target, entry)) << ui.lastError();
    }
    void fill(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            retype(field(static_cast<int>(i) + 1), texts[i]);
    }
    void validateAndCompute() {
        ASSERT_TRUE(ui.click("Form12.Command2"));
        ASSERT_TRUE(ui.click("Form12.Command1"));
    }

    // Every caption label of the data fields shows its whole text.
    void expectCaptionsFit(const std::string& process) {
        for (int n = 1; n <= 6; ++n)
            EXPECT_TRUE(form().caption(n)->captionFits()) << process << ", field " << n << ": " << caption(n);
    }

    // The report as drawn, line by line from the top.
    std::vector<std::string> lines() {
        const double height = QFontMetricsF(form().surface().font()).height() / px::twips::scale();
        std::map<long, std::vector<px::Primitive>> rows;
        for (const px::Primitive& p : ofKind("Form12", px::Primitive::Text))
            rows[std::lround(p.y1 / height)].push_back(p);
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
};

// The window's own texts, every process's setup fitting its boxes, and a curve whose points are those of the
// Italian reading.
TEST_F(WorkbenchEnglishTest, ACurveProcessReadsInEnglishAndDrawsTheSamePoints) {
    EXPECT_EQ(ui.text("Form12"), "Correlation methods for underwater acoustics");
    EXPECT_EQ(ui.text("Form12.Command2"), "Validate data");
    EXPECT_EQ(ui.text("Form12.Command1"), "Compute");
    EXPECT_EQ(ui.text("Form12.Frame1"), "Data input");
    EXPECT_EQ(caption(1), "Input 1");
    EXPECT_EQ(tip(1), "Input 1: pick a process first");

    // Each process's setup, picked by its English name.
    auto* check = qobject_cast<QCheckBox*>(form().control("Check1"));
    ASSERT_NE(check, nullptr);
    QStyleOptionButton option;
    option.initFrom(check);
    const int indicator = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, check) +
                          check->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, check);
    EXPECT_LE(indicator + QFontMetrics(check->font()).horizontalAdvance(check->text()), check->width());
    for (const char* label : {"Label2", "Label7", "Label13"})
        EXPECT_TRUE(static_cast<px::Label*>(form().control(label))->captionFits()) << label;
    const QStringList names = px::Form12::translated(px::Form12::processNames());
    ASSERT_EQ(names.size(), 12);
    for (const QString& name : names) {
        if (name == QStringLiteral("PANORAMIC CORR.")) continue;  // opens another window
        pick("Form12.Combo1", name.toStdString());
        EXPECT_EQ(static_cast<int>(form().process()), names.indexOf(name) + 1) << name.toStdString();
        expectCaptionsFit(name.toStdString());
    }

    pick("Form12.Combo1", "DYNAMIC SIMULATION");
    EXPECT_EQ(caption(1), "Si/Ni (dB)");
    EXPECT_EQ(tip(1), "Input signal-to-noise ratio, in dB (not below -20 dB)");
    EXPECT_EQ(tip(7), "Gain K of the correlogram, dimensionless (empty or 0: automatic gain)");

    pick("Form12.Combo1", "DIGITAL C = f(F1,F2,tc,s/n,rc)");
    EXPECT_EQ(caption(3), "Full scale (µs)");
    EXPECT_EQ(caption(5), "input s/n (dB)");
    EXPECT_EQ(tip(5), "Input signal-to-noise ratio, in dB");
    EXPECT_EQ(form().hint().toStdString(), "Type the data, then Validate data and Compute (or Enter)");

    // The same curve in both readings: the same points, one by one.
    auto curve = [this] {
        pick("Form12.Combo1", form().Combo1->itemText(0).toStdString());
        fill({"1000", "1000", "500"});
        validateAndCompute();
        return points("Form12", qRgb(0, 0, 255));
    };
    const std::vector<px::Primitive> english = curve();
    EXPECT_EQ(english.size(), 10000u);
    EXPECT_EQ(form().drawingInWords().left(26).toStdString(), "Blue curve of 10000 points");
    open(Reading::Italian);
    const std::vector<px::Primitive> italian = curve();
    ASSERT_EQ(italian.size(), english.size());
    for (std::size_t i = 0; i < italian.size(); ++i)
        ASSERT_TRUE(italian[i].x1 == english[i].x1 && italian[i].y1 == english[i].y1) << i;
}

// An algorithm's report and the number-block report read in English, with the numbers of the Italian reports.
TEST_F(WorkbenchEnglishTest, TheReportsReadInEnglishWithTheSameNumbers) {
    pick("Form12.Combo1", "DIGITAL SYSTEM ALGORITHMS");
    EXPECT_EQ(ui.text("Form12.Label13"), "ALGORITHM SELECTION FOR DIGITAL SYSTEMS");
    pick("Form12.List1", "Si/Ni(dB) = f[Sux(Vdc);Vin(Vrms)]");
    EXPECT_EQ(caption(1), "V.supply(Vdc)");
    EXPECT_EQ(tip(3), "RMS input voltage Vin = Si + Ni, in volts");
    expectCaptionsFit("Si/Ni(dB) = f[Sux(Vdc);Vin(Vrms)]");
    fill({"10", "4", "1"});
    validateAndCompute();
    const std::vector<std::string> algorithm = {
        " INPUT VARIABLES:",  " Sux(Vdc); Vin(Vrms)",    "", " OUTPUT DATA:", " Ni(Vrms)=  0.221 ",
        " Si(Vrms)=  0.975 ", " Ratio Si/Ni(dB)=  12.8 "};
    EXPECT_EQ(lines(), algorithm);

    pick("Form12.Combo1", "NUMBER  BLOCK CORR.");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(form().hint().toStdString(), "Type n (at most 64) and pair 1, then Validate data (or Enter)");
    retype(field(1), "4");
    retype(field(4), "0");
    for (const auto& [a, b] :
         std::vector<std::pair<const char*, const char*>>{{"1", "2"}, {"2", "3"}, {"4", "6"}, {"5", "5"}}) {
        retype(field(2), a);
        retype(field(3), b);
        ASSERT_TRUE(ui.click("Form12.Command2"));
    }
    EXPECT_EQ(form().hint().toStdString(), "Pair 4 of 4 stored: press Compute");
    ASSERT_TRUE(ui.click("Form12.Command1"));
    const std::vector<std::string> blocks = {
        "A mean =    3 ",
        "B mean =    4 ",
        "A Std.dev.=   1.581",
        "B Std.dev.=   1.581",
        "",
        "C=  0.9 ",
        "A 1 = 1 ;B 1 = 2 ",
        "deviation A 1  =  -2.00; dev. ratio =1.00",
        "deviation B 1  =  -2.00",
        "A 2 = 2 ;B 2 = 3 ",
        "deviation A 2  =  -1.00; dev. ratio =1.00",
        "deviation B 2  =  -1.00",
        "A 3 = 4 ;B 3 = 6 ",
        "deviation A 3  =  1.00; dev. ratio =0.50",
        "deviation B 3  =  2.00",
        "A 4 = 5 ;B 4 = 5 ",
        "deviation A 4  =  2.00; dev. ratio =2.00",
        "deviation B 4  =  1.00",
    };
    EXPECT_EQ(lines(), blocks);
    // What Ctrl+C copies reads in English too.
    const std::string copied = form().report.plainText().toStdString();
    EXPECT_EQ(copied.rfind("A mean =    3 \nB mean =    4 \n", 0), 0u) << copied;
    EXPECT_NE(copied.find("\ndeviation B 4  =  1.00\n"), std::string::npos) << copied;
    EXPECT_TRUE(ui.faults().empty());
}

// A fault of the workbench's own reads in English where it is shown.
TEST_F(WorkbenchEnglishTest, TheWorkbenchsFaultsReadInEnglish) {
    EXPECT_EQ(px::faultText(px::Fault(px::FaultKind::Overflow, px::curves::kFullScaleTooSmall)).toStdString(),
              "Full scale too small");
    EXPECT_EQ(px::faultText(px::Fault(px::FaultKind::InvalidArgument, px::kSiNiBelowMinus20dB)).toStdString(),
              "The input Si/Ni ratio must not be below -20 dB");
    pick("Form12.Combo1", "ANALOG C = f(F,tc)");
    retype(field(1), "1000");
    ASSERT_TRUE(ui.paste(field(2), "-1e-20"));
    validateAndCompute();
    // The driver names the fault as the message box does, in English.
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Full scale too small"});
    EXPECT_TRUE(points("Form12", qRgb(0, 0, 255)).empty());
}

}  // namespace
