// Results leaving the program: each kind of drawing (a graph, a calculator's plot, a solution, a workbench curve,
// a comparison, a report) exported through the driver as CSV whose numbers are the model's own at the points
// drawn, as a PNG of the window, an SVG of vectors and a one-page PDF; the readout under the mouse; and the
// writes that fail (a folder that cannot be written, a file system too small) leaving no file and any existing one
// as it was.
#include <sys/resource.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "curves.h"
#include "export.h"
#include "gui_support.h"
#include "noise_models.h"
#include "numbers.h"
#include "reading.h"
#include "sweep.h"
#include "workbench.h"

namespace {

using pxtest::ScreenTest;

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

// A CSV as exported: the comment lines before the first block, and each block's name, header and rows.
struct Block {
    std::string name;
    std::vector<std::string> header;
    std::vector<std::vector<double>> rows;
};
struct Csv {
    std::vector<std::string> comments;
    std::vector<Block> blocks;
};

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// Comment lines ("# ...") before the first header are the file's comments; the comment right before a header
// names its block.
Csv parseCsv(const QString& file) {
    QFile in(file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    Csv csv;
    std::string lastComment;
    bool commentBefore = false;
    for (const QByteArray& raw : in.readAll().split('\n')) {
        const std::string line = raw.toStdString();
        if (line.empty()) {
            commentBefore = false;
            continue;
        }
        if (line.rfind("# ", 0) == 0) {
            if (csv.blocks.empty()) csv.comments.push_back(line.substr(2));
            lastComment = line.substr(2);
            commentBefore = true;
            continue;
        }
        const bool number = std::isdigit(static_cast<unsigned char>(line[0])) || line[0] == '-';
        if (!number) {
            csv.blocks.push_back(Block{commentBefore ? lastComment : std::string(), split(line), {}});
        } else {
            std::vector<double> row;
            for (const std::string& cell : split(line))
                row.push_back(QString::fromStdString(cell).toDouble());
            csv.blocks.back().rows.push_back(std::move(row));
        }
        commentBefore = false;
    }
    return csv;
}

class ExportTest : public ScreenTest {
protected:
    QTemporaryDir dir;
    // A file in the test's folder; the names carry blanks and letters beyond ASCII, as users' names do.
    QString path(const QString& name) { return dir.filePath(name); }

    Csv exportCsv(const std::string& screen) {
        const QString file = path(QStringLiteral("dati è %1.csv").arg(QString::fromStdString(screen)));
        EXPECT_TRUE(ui.exportTo(screen, "csv", file.toStdString())) << ui.lastError();
        return parseCsv(file);
    }

    // The three pictures of a screen: a PNG of the window's size times its pixel ratio, not of one colour; an
    // SVG that parses and holds the drawing as vector paths, lines and texts with no bitmap; a PDF of one page.
    void checkPictures(const std::string& screen, bool curves = true) {
        px::Screen* s = px::screens::find(QString::fromStdString(screen));
        ASSERT_NE(s, nullptr);
        const QString png = path(QStringLiteral("finestra ü.png"));
        ASSERT_TRUE(ui.exportTo(screen, "png", png.toStdString())) << ui.lastError();
        const QImage image(png);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), std::lround(s->width() * s->devicePixelRatioF()));
        EXPECT_EQ(image.height(), std::lround(s->height() * s->devicePixelRatioF()));
        std::map<QRgb, int> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                ++colours[image.pixel(x, y)];
        EXPECT_GT(colours.size(), 3u);

        const QString svg = path(QStringLiteral("disegno vettoriale.svg"));
        ASSERT_TRUE(ui.exportTo(screen, "svg", svg.toStdString())) << ui.lastError();
        QFile svgFile(svg);
        ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
        const QByteArray svgText = svgFile.readAll();
        EXPECT_TRUE(QSvgRenderer(svgText).isValid());
        EXPECT_EQ(svgText.count("<image"), 0);
        if (curves) {
            EXPECT_GT(svgText.count("<path") + svgText.count("<polyline") + svgText.count("<line"), 3);
        }
        EXPECT_GT(svgText.count("<text"), 0);

        const QString pdf = path(QStringLiteral("pagina stampata.pdf"));
        ASSERT_TRUE(ui.exportTo(screen, "pdf", pdf.toStdString())) << ui.lastError();
        QFile pdfFile(pdf);
        ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
        const QByteArray pdfBytes = pdfFile.readAll();
        EXPECT_TRUE(pdfBytes.startsWith("%PDF"));
        EXPECT_EQ(
            pdfBytes.count("/Type /Page\n") + pdfBytes.count("/Type /Page>>") + pdfBytes.count("/Type /Page "), 1);
        EXPECT_TRUE(ui.faults().empty());
    }
};

// ---- A graph: the sea-noise spectra -----------------------------------------------------------------------------

TEST_F(ExportTest, SeaNoiseGraphExportsTheModelsLevelsAtEveryFrequencyOfItsSweep) {
    ASSERT_TRUE(ui.show("Form10"));
    const Csv csv = exportCsv("Form10");
    ASSERT_EQ(csv.blocks.size(), 1u);
    const Block& b = csv.blocks[0];
    ASSERT_EQ(b.header.size(), 7u);
    EXPECT_EQ(b.header[0], "frequenza_Hz");
    EXPECT_EQ(b.header[1], "NL_SS=0_dB");
    EXPECT_EQ(b.header[6], "NL_SS=6_dB");
    EXPECT_EQ(csv.comments.front(), "Grafici del livello spettrale del rumore del mare");
    ASSERT_EQ(b.rows.size(), px::noise::kSweepPoints);
    // Every level is the model's, computed by its checked form at the sweep's frequency.
    const px::Num k = px::noise::exponentFor(px::noise::kSeaSlope);
    std::size_t i = 0;
    for (double f = px::noise::kSweepFrom; f <= px::noise::kSweepTo; f = f + px::noise::kSweepStep, ++i) {
        ASSERT_EQ(b.rows[i][0], f * 1000) << i;
        if (i % 97 != 0) continue;
        const px::Num D = px::noise::octaveDrop(px::Num(f), k);
        for (std::size_t c = 0; c < px::noise::kSeaStates.size(); ++c)
            ASSERT_EQ(b.rows[i][c + 1], px::noise::seaLevel(D, px::noise::kSeaStates[c]).value()) << i << ' ' << c;
    }
    // The levels are those drawn: each point's height is 6600 - 64 level.
    const auto red = points("Form10", kRed);
    ASSERT_EQ(red.size(), b.rows.size());
    for (std::size_t r = 0; r < red.size(); r += 1013)
        EXPECT_EQ(red[r].y1, static_cast<float>(6600 - 64 * b.rows[r][1])) << r;
    checkPictures("Form10");
}

// The readout at 1 kHz on the sea-state-1 line reads 55 dB there, both the pointer and the nearest point.
TEST_F(ExportTest, ReadoutOverTheGraphReadsTheCurveUnderThePointer) {
    ASSERT_TRUE(ui.show("Form10"));
    const std::size_t before = ui.primitives("Form10").size();
    const double x = 400 + 3066.7;  // 1 kHz
    const double y = 6600 - 64 * 55.0;
    const auto text = ui.hover("Form10", x, y);
    ASSERT_TRUE(text) << ui.lastError();
    EXPECT_NE(text->find("f = 1000 Hz"), std::string::npos) << *text;
    EXPECT_NE(text->find("NL = 55 dB"), std::string::npos) << *text;
    const std::string nearest = "NL_SS=1_dB = ";
    const auto at = text->find(nearest);
    ASSERT_NE(at, std::string::npos) << *text;
    EXPECT_NEAR(QString::fromStdString(text->substr(at + nearest.size())).toDouble(), 55, 1e-9) << *text;
    // Outside the plot there is nothing to read, and the drawing is as it was.
    EXPECT_EQ(ui.hover("Form10", 10500, 8000).value_or("?"), "");
    EXPECT_EQ(ui.primitives("Form10").size(), before);
}

// ---- A calculator's plot, and a solution ----------------------------------------------------------------------

TEST_F(ExportTest, CircularTransducerExportsEachDrawnAngleWithItsPattern) {
    ASSERT_TRUE(ui.show("Form5"));
    ASSERT_TRUE(ui.click("Form5.Command1"));
    const Csv csv = exportCsv("Form5");
    ASSERT_EQ(csv.blocks.size(), 1u);
    EXPECT_EQ(csv.blocks[0].header, (std::vector<std::string>{"angolo_gradi", "P"}));
    EXPECT_EQ(csv.comments[1], "Freq. KHz = 1");
    const auto drawn = points("Form5", kBlue);
    ASSERT_EQ(csv.blocks[0].rows.size(), drawn.size());
    ASSERT_FALSE(drawn.empty());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const auto& row = csv.blocks[0].rows[i];
        ASSERT_EQ(drawn[i].x1, static_cast<float>(500 + 64.4 * row[0])) << i;
        ASSERT_EQ(drawn[i].y1, static_cast<float>(2740 - 2240 * row[1])) << i;
    }
    // Over the curve the readout names the nearest angle and its pattern.
    const auto text = ui.hover("Form5", drawn[100].x1, drawn[100].y1);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("angolo_gradi = 10.09"), std::string::npos) << *text;
    checkPictures("Form5");
}

TEST_F(ExportTest, PassiveRangeExportsItsLossCurveAndItsSolution) {
    ASSERT_TRUE(ui.show("Form15"));
    for (const auto& [field, value] : std::vector<std::pair<std::string, std::string>>{{"Text1", "1000"},
                                                                                       {"Text2", "2000"},
                                                                                       {"Text3", "140"},
                                                                                       {"Text4", "60"},
                                                                                       {"Text5", "10"},
                                                                                       {"Text7", "1"},
                                                                                       {"Text8", "10"}})
        ASSERT_TRUE(ui.type("Form15." + field, value));
    ASSERT_TRUE(ui.click("Form15.Command1"));
    const Csv csv = exportCsv("Form15");
    ASSERT_EQ(csv.blocks.size(), 2u);
    EXPECT_EQ(csv.blocks[0].name, "curva");
    EXPECT_EQ(csv.blocks[0].header, (std::vector<std::string>{"R_km", "TL_dB", "TLmax_dB"}));
    EXPECT_EQ(csv.blocks[0].rows.size(), points("Form15", kBlue).size());
    EXPECT_EQ(csv.blocks[1].name, "soluzione");
    ASSERT_EQ(csv.blocks[1].rows.size(), 1u);
    const double R = csv.blocks[1].rows[0][0];
    EXPECT_EQ(ui.text("Form15.Label12"), std::to_string(static_cast<int>(std::floor(R))));
    const auto circles = ofKind("Form15", px::Primitive::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].x1, static_cast<float>(R * 64.4 + 500));
    // The inputs that produced the curve head the file.
    EXPECT_NE(std::find(csv.comments.begin(), csv.comments.end(), "SL(dB) 140"), csv.comments.end());
}

// ---- The workbench: a curve, a curve cut by a fault, a comparison, a report ------------------------------------

class WorkbenchExportTest : public ExportTest {
protected:
    void SetUp() override { ASSERT_TRUE(ui.show("Form12")); }
    px::Form12* form() { return static_cast<px::Form12*>(px::screens::find("Form12")); }
    void run(const std::string& process, const std::vector<std::string>& data) {
        ASSERT_TRUE(ui.pick("Form12.Combo1", process)) << ui.lastError();
        for (std::size_t i = 0; i < data.size(); ++i)
            retype("Form12.txtdigits" + std::to_string(i + 1), data[i]);
        ASSERT_TRUE(ui.click("Form12.Command2"));
        ASSERT_TRUE(ui.click("Form12.Command1"));
    }
    // Each row is the drawn point: abscissa 6440 u/U, ordinate 2240 - 2240 C.
    void expectDrawn(const Block& b, const std::vector<px::Primitive>& drawn) {
        ASSERT_EQ(b.rows.size(), drawn.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            ASSERT_NEAR(drawn[i].x1, 6440 * b.rows[i][0], 1e-3 * (1 + std::fabs(drawn[i].x1))) << i;
            ASSERT_EQ(drawn[i].y1, static_cast<float>(2240 - 2240 * b.rows[i][1])) << i;
        }
    }
};

TEST_F(WorkbenchExportTest, CurveExportsItsDelaysAndCoefficientsAndAFaultCutsItWhereTheDrawingStops) {
    run("ANAL. C = f(F,tc)", {"1000", "1000", "500"});
    Csv csv = exportCsv("Form12");
    ASSERT_EQ(csv.blocks.size(), 1u);
    EXPECT_EQ(csv.blocks[0].name, "blu: ANAL. C = f(F,tc)");
    EXPECT_EQ(csv.blocks[0].header, (std::vector<std::string>{"ritardo_frazione_fondo_scala", "C"}));
    expectDrawn(csv.blocks[0], points("Form12", kBlue));
    // C of process 1 is sin(x)/x of the delay: 1 at the delay typed, half-way along the full scale.
    EXPECT_NEAR(csv.blocks[0].rows[5000][1], 1, 1e-6);
    checkPictures("Form12");

    // A delay equal to a counter value half-way: the points before the fault, and no more.
    form()->wv.tc = pxtest::delayAtCounterStep(2500);
    ASSERT_TRUE(ui.click("Form12.Command1"));
    EXPECT_EQ(ui.faults(), std::vector<std::string>{"Divisione per zero"});
    csv = exportCsv("Form12");
    ASSERT_EQ(csv.blocks.size(), 1u);
    EXPECT_EQ(csv.blocks[0].rows.size(), 2500u);
    expectDrawn(csv.blocks[0], points("Form12", kBlue));
}

TEST_F(WorkbenchExportTest, ComparisonExportsEachCurveAsABlockNamedAfterItsColour) {
    run("ANAL. C = f(F,tc)", {"1000", "1000", "500"});
    ASSERT_TRUE(ui.click("Form12.Check1"));
    run("DIG. C = f(F,tc)", {"1000", "1000", "500"});
    const Csv csv = exportCsv("Form12");
    ASSERT_EQ(csv.blocks.size(), 2u);
    EXPECT_EQ(csv.blocks[0].name, "blu: ANAL. C = f(F,tc)");
    EXPECT_EQ(csv.blocks[1].name, "rosso: DIG. C = f(F,tc)");
    expectDrawn(csv.blocks[0], points("Form12", kBlue));
    expectDrawn(csv.blocks[1], points("Form12", kRed));
    // The digital coefficient is the arcsine law of the analogue one at every delay.
    for (std::size_t i = 0; i < 10000; i += 37)
        EXPECT_NEAR(csv.blocks[1].rows[i][1], px::curves::arcsineLaw(csv.blocks[0].rows[i][1], 1e-8), 1e-6) << i;
    checkPictures("Form12");
}

TEST_F(WorkbenchExportTest, ReportExportsAsItsText) {
    ASSERT_TRUE(ui.pick("Form12.Combo1", "ALGORITMI SISTEMI DIG."));
    ASSERT_TRUE(ui.pick("Form12.List1", "Sux(Vcc) = f[(Si/Ni)dB]"));
    retype("Form12.txtdigits1", "10");
    retype("Form12.txtdigits2", "0");
    ASSERT_TRUE(ui.click("Form12.Command2"));
    ASSERT_TRUE(ui.click("Form12.Command1"));
    const QString file = path(QStringLiteral("rapporto.csv"));
    ASSERT_TRUE(ui.exportTo("Form12", "csv", file.toStdString()));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(in.readAll());
    EXPECT_EQ(text, form()->report.plainText());
    EXPECT_EQ(ui.hover("Form12", 3000, 1000).value_or("?"), "");
    EXPECT_TRUE(text.contains(QStringLiteral(" Sux(Vcc.)=  1.667 "))) << text.toStdString();
    checkPictures("Form12", false);
}

// ---- The context menu ------------------------------------------------------------------------------------------

// A right click on the drawing opens the menu in Italian; "Copia immagine" puts the window on the clipboard at its
// pixel ratio.
TEST_F(ExportTest, ContextMenuOffersEveryExportAndCopiesThePicture) {
    ASSERT_TRUE(ui.show("Form11"));
    px::Screen* s = px::screens::find(QStringLiteral("Form11"));
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) texts << a->text();
        }
        for (QAction* a : menu->actions()) {
            if (a->text() == QStringLiteral("Copia immagine")) a->trigger();
        }
        menu->close();
    });
    const QPoint at(200, 200);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, s->mapToGlobal(at));
    QCoreApplication::sendEvent(s, &event);
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("Copia immagine"), QStringLiteral("Copia dati e risultati"),
                           QStringLiteral("Salva immagine (PNG, SVG)..."), QStringLiteral("Esporta dati (CSV)..."),
                           QStringLiteral("Esporta PDF..."), QStringLiteral("Stampa...")}));
    const auto image = ui.clipboardImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->first, std::lround(s->width() * s->devicePixelRatioF()));
    EXPECT_EQ(image->second, std::lround(s->height() * s->devicePixelRatioF()));
}

// In the English reading the menu, the readout's words and the failure message read English; the menu's order and
// what each entry does stay.
TEST_F(ExportTest, MenuReadoutAndFailureReadEnglishInTheEnglishReading) {
    px::reading::apply(px::reading::Reading::English);
    struct Italian {
        ~Italian() { px::reading::apply(px::reading::Reading::Italian); }
    } restore;
    ASSERT_TRUE(ui.show("Form11"));
    px::Screen* s = px::screens::find(QStringLiteral("Form11"));
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) texts << a->text();
        }
        for (QAction* a : menu->actions()) {
            if (a->text() == QStringLiteral("Copy image")) a->trigger();
        }
        menu->close();
    });
    const QPoint at(200, 200);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, s->mapToGlobal(at));
    QCoreApplication::sendEvent(s, &event);
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("Copy image"), QStringLiteral("Copy data and results"),
                           QStringLiteral("Save image (PNG, SVG)..."), QStringLiteral("Export data (CSV)..."),
                           QStringLiteral("Export PDF..."), QStringLiteral("Print...")}));
    EXPECT_TRUE(ui.clipboardImage());
    EXPECT_EQ(px::exporting::failureMessage(QStringLiteral("/x/y.csv"), QStringLiteral("No space left on device")),
              QStringLiteral("Cannot write the file \"/x/y.csv\": No space left on device"));
}

// The loss chart's data name their series and columns in the reading's words; the numbers are the same.
TEST_F(ExportTest, TheLossChartsDataReadEnglishWithTheSameNumbers) {
    ASSERT_TRUE(ui.show("Form14"));
    const Csv italian = exportCsv("Form14");
    ui.close("Form14");
    px::reading::apply(px::reading::Reading::English);
    struct Italian {
        ~Italian() { px::reading::apply(px::reading::Reading::Italian); }
    } restore;
    ASSERT_TRUE(ui.show("Form14"));
    const Csv english = exportCsv("Form14");
    ASSERT_EQ(english.blocks.size(), 2u);
    ASSERT_EQ(italian.blocks.size(), 2u);
    EXPECT_EQ(italian.blocks[0].name, "divergenza");
    EXPECT_EQ(english.blocks[0].name, "spreading");
    EXPECT_EQ(english.blocks[0].header,
              (std::vector<std::string>{"range_km", "spherical_dB", "spherical_cylindrical_dB"}));
    EXPECT_EQ(english.blocks[1].name, "absorption");
    EXPECT_EQ(english.blocks[1].header, (std::vector<std::string>{"frequency_kHz", "absorption_dB_km"}));
    for (std::size_t b = 0; b < 2; ++b) {
        EXPECT_FALSE(english.blocks[b].rows.empty());
        EXPECT_EQ(english.blocks[b].rows, italian.blocks[b].rows);
    }
}

// ---- Copying a calculator's inputs and results ------------------------------------------------------------------

TEST_F(ExportTest, CtrlCWithoutASelectionCopiesTheInputsAndResultsInTheScreensOrder) {
    ASSERT_TRUE(ui.show("Form6"));
    ASSERT_TRUE(ui.click("Form6.Command1"));
    ASSERT_TRUE(ui.key("Form6.Text1", "Ctrl+C"));
    const QString copied = QGuiApplication::clipboard()->text();
    const QStringList lines = copied.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5) << copied.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Freq. KHz 1"));
    EXPECT_EQ(lines[1], QStringLiteral("Lunghezza. m. 1"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Llarghezza del lobo di direttività a -3dB (in gradi) ")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[2].section(QLatin1Char(' '), -1), QString::fromStdString(ui.text("Form6.Label3")));
}

// A calculator without a plot exports its inputs and results as the file's comment lines.
TEST_F(ExportTest, CalculatorWithoutAPlotExportsItsInputsAndResults) {
    ASSERT_TRUE(ui.show("Form2"));
    ASSERT_TRUE(ui.click("Form2.Command1"));
    const Csv csv = exportCsv("Form2");
    EXPECT_TRUE(csv.blocks.empty());
    EXPECT_EQ(csv.comments, (std::vector<std::string>{"Calcolo del rumore spettrale del mare", "Freq. KHz 1",
                                                      "Stato del mare SS=0",
                                                      "(NL) in dB/micro Pa/Hz* = " + ui.text("Form2.Label3")}));
}

// ---- Writes that fail -----------------------------------------------------------------------------------------

// A write the file system refuses is told in one message naming the file and the reason; nothing is left behind.
TEST_F(ExportTest, AnExportIntoAFolderThatCannotBeWrittenLeavesNoFileAndTellsWhy) {
    ASSERT_TRUE(ui.show("Form10"));
    // A folder that even the administrator cannot write: a path through a plain file, and /proc (or, for a
    // user, a folder without write permission).
    QFile plain(path(QStringLiteral("non una cartella")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QString readOnly = QStringLiteral("/proc");
    if (geteuid() != 0) {
        readOnly = path(QStringLiteral("sola lettura"));
        ASSERT_TRUE(QDir().mkdir(readOnly));
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    }
    for (const QString& target :
         {plain.fileName() + QStringLiteral("/dati.csv"), readOnly + QStringLiteral("/pelagonix dati.csv")}) {
        for (const char* format : {"csv", "png"}) {
            EXPECT_FALSE(ui.exportTo("Form10", format, target.toStdString())) << target.toStdString();
            EXPECT_NE(ui.lastError().find(target.toStdString()), std::string::npos) << ui.lastError();
            EXPECT_FALSE(QFileInfo::exists(target));
        }
    }
    if (geteuid() != 0) {
        EXPECT_TRUE(QDir(readOnly).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
    EXPECT_TRUE(ui.faults().empty());
    // The program goes on: the same export into a folder that takes it succeeds.
    EXPECT_TRUE(ui.exportTo("Form10", "csv", path(QStringLiteral("dopo.csv")).toStdString()));
}

// Through the keys, as a user exports: the dialog proposes the screen's title in the chosen folder; a failed write
// gives one message naming the file and the reason, a successful one says nothing.
TEST_F(ExportTest, AFailedExportFromTheKeysGivesOneMessageAndASuccessNone) {
    ASSERT_TRUE(ui.show("Form11"));
    QStringList messages, proposed;
    QString answer = QStringLiteral("/proc/spettri.csv");
    px::exporting::setFailureSink([&messages](const QString& m) { messages << m; });
    px::exporting::setFileChooser([&](const QString& name) {
        proposed << QFileInfo(name).fileName();
        return answer;
    });
    ASSERT_TRUE(ui.key("Form11", "Ctrl+E"));
    EXPECT_EQ(proposed,
              QStringList{QStringLiteral("Grafici dell'andamento spettrale del rumore emesso da un C.T.csv")});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Impossibile scrivere il file \"/proc/spettri.csv\": ")))
        << messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(answer));
    answer = path(QStringLiteral("spettri nave.svg"));
    ASSERT_TRUE(ui.key("Form11", "Ctrl+S"));
    px::exporting::setFailureSink(nullptr);
    px::exporting::setFileChooser(nullptr);
    EXPECT_EQ(messages.size(), 1);
    QFile svg(answer);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

// A file system with too little room: the process may write no more than 64 KB a file, as a full disc would stop
// it.  The existing file keeps its content and no temporary file is left beside it.
TEST_F(ExportTest, AnExportThatRunsOutOfRoomKeepsTheExistingFileUnchanged) {
    ASSERT_TRUE(ui.show("Form10"));
    const QString target = path(QStringLiteral("spettri già salvati.csv"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("contenuto precedente\n");
    }
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit tight = before;
    tight.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool ok = ui.exportTo("Form10", "csv", target.toStdString());
    const std::string error = ui.lastError();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_NE(error.find(target.toStdString()), std::string::npos) << error;
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("contenuto precedente\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("spettri già salvati.csv")});
    // With room again the export replaces the file whole.
    ASSERT_TRUE(ui.exportTo("Form10", "csv", target.toStdString())) << ui.lastError();
    EXPECT_EQ(parseCsv(target).blocks.at(0).rows.size(), px::noise::kSweepPoints);
}

// The message a failure gives, and the name a save dialog proposes: the screen's title, never blank.
TEST_F(ExportTest, SaveDialogsProposeTheScreensTitleAsTheFileName) {
    ASSERT_TRUE(ui.show("Form8"));
    px::Screen* s = px::screens::find(QStringLiteral("Form8"));
    EXPECT_EQ(px::exporting::proposedName(*s, px::exporting::Format::Pdf),
              QStringLiteral("Misura della distanza di un bersaglio attivo mediante la riflessione dal fondo.pdf"));
    EXPECT_EQ(px::exporting::failureMessage(QStringLiteral("/x/y.csv"), QStringLiteral("No space left on device")),
              QStringLiteral("Impossibile scrivere il file \"/x/y.csv\": No space left on device"));
}

}  // namespace
