// The reference screens as a user meets them: the glossary printed on its window, the algorithm-sheet selector,
// and the eleven sheets with their typeset pages, readable as text and copied with Ctrl+C.
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSvgRenderer>

#include "glossary.h"
#include "gui_support.h"
#include "reading.h"
#include "sheets.h"

namespace {

using pxtest::ScreenTest;

std::string descriptionOf(const std::string& screen) {
    return px::screens::find(QString::fromStdString(screen))->accessibleDescription().toStdString();
}

// Types Ctrl+C on the window as the keyboard does.
void pressCopy(px::Screen* s) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    QCoreApplication::sendEvent(s->focusWidget() != nullptr ? s->focusWidget() : s, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    QCoreApplication::sendEvent(s->focusWidget() != nullptr ? s->focusWidget() : s, &release);
    px::Scenario::settle();
}

// ---- The glossary ----------------------------------------------------------------------------------------------

// The 26 lines as the glossary shows them, blanks included; nullptr for an empty line.
const char* const kGlossary[26] = {
    " NL = livello spettrale di rumore generato dal mare: espresso in dB/microPa/         ",
    " SS = stato del mare: espresso con numeri quali ( 0; 1/2; 1; 2; 4; 6 )",
    " SL = livello spettrale di rumore emesso da una sorgente acustica: in dB/microPa/          ad 1 m.",
    " TL = attenuazione dei raggi acustici per divergenza: espressa in dB",
    " alfa = attenuazione dei raggi acustici per assorbimento: espressa in dB/Km",
    " DI = indice di direttività (guadagno di direttività): espresso in dB",
    " F1; F2 = esterimi inferiore e superiore della banda di ricezione di un sonar passivo; in Hz",
    " Ftx = frequenza di emissione di un sonar attivo: espressa in Hz o KHz",
    " tTx = durata dell'impulso di emissione di un sonar attivo: espressa in Sec.",
    " Bwrx = banda di ricezione del ricevitore sonar attivo per i segnali acustici impulsivi: espressa in Hz",
    " TS = forza del bersaglio: espressa in dB",
    " RC = valore della costante di tempo del rivelatore dei segnali acustici: esperessa in Sec. ",
    " d = indice della probabilità di scoperta e di falso allarme: espresso in numeri puri (vedi curve ROC)",
    nullptr,
    " ANAL.C=f(F,tc)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo del suono in acqua in microSec.]",
    " ANAL.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo del suono in acqua microSec.]",
    " ANAL.C=f(F,a°,d)= indice di selezione per funzione di correlazione analogica distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  a° = angolo di provenienza suono rispetto asse base",
    " [ d = lunghezza della base in metri]",
    nullptr,
    " DIG.C=f(F,tc)= indice di selezione per funzione di correlazione digitale distinta da:",
    " [F = estremo superiore della banda 0-f in Hz;  tc = ritardo percorso suono in acqua in microSec.]",
    " DIG.C=f(F1,F2,tc)= indice di selezione per funzione di correlazione digitale distinta da:",
    " [F1;F2 = estremi della banda F1-F2 in Hz;  tc = ritardo percorso suono in acqua in microSec.]",
};

// Each line is printed at the left edge, one line height below the one before; an empty line only moves down.
void expectGlossaryPrinted(px::Scenario& ui) {
    px::Screen* s = px::screens::find("Form17");
    std::vector<px::Primitive> texts;
    for (const px::Primitive& p : ui.primitives("Form17"))
        if (p.kind == px::Primitive::Text) texts.push_back(p);
    ASSERT_EQ(texts.size(), 24u);
    const double lineHeight = QFontMetricsF(s->surface().font()).height() / px::twips::scale();
    std::size_t printed = 0;
    for (int line = 0; line < 26; ++line) {
        if (kGlossary[line] == nullptr) continue;
        SCOPED_TRACE("line " + std::to_string(line + 1));
        const px::Primitive& p = texts[printed++];
        EXPECT_EQ(s->surface().textOf(p).toStdString(), kGlossary[line]);
        EXPECT_EQ(p.x1, 0.0f);
        EXPECT_NEAR(p.y1, line * lineHeight, 0.01);
        EXPECT_EQ(p.colour & 0xffffffu, 0x000000u);
    }
}

TEST_F(ScreenTest, GlossaryPrintsItsLinesFromTheTopLeftCorner) {
    ASSERT_TRUE(ui.show("Form17"));
    EXPECT_EQ(ui.text("Form17"), "Glossario dei termini impiegati in PELAGONIX");
    // The glossary's font: 10.8 points, bold.
    const QFont& font = px::screens::find("Form17")->surface().font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSizeF(), px::qtFont(px::sans(10.8)).pointSizeF());
    expectGlossaryPrinted(ui);
}

TEST_F(ScreenTest, GlossaryShowsTheSameLinesInPlaceAfterCoveringAndUncovering) {
    ASSERT_TRUE(ui.show("Form17"));
    px::Screen* s = px::screens::find("Form17");
    const QImage before = s->grab().toImage();
    // Covered by the selector, then hidden and shown again: every paint shows the list once, where it was.
    ASSERT_TRUE(ui.show("Form18"));
    s->hide();
    px::Scenario::settle();
    ASSERT_TRUE(ui.show("Form17"));
    s->repaint();
    px::Scenario::settle();
    expectGlossaryPrinted(ui);
    EXPECT_EQ(s->grab().toImage(), before);
}

TEST_F(ScreenTest, GlossaryShowsTheRootOfHertzInItsBox) {
    ASSERT_TRUE(ui.show("Form17"));
    px::Screen* s = px::screens::find("Form17");
    QWidget* image = s->control("Image2");
    ASSERT_NE(image, nullptr);
    // After "dB/microPa/" of the first line, in the blanks left for it, as tall as a line.
    const QFontMetricsF fm(s->surface().font());
    const QString first =
        QStringLiteral(" NL = livello spettrale di rumore generato dal mare: espresso in dB/microPa/");
    EXPECT_EQ(image->geometry().top(), 0);
    EXPECT_NEAR(image->geometry().left(), fm.horizontalAdvance(first), 1.0);
    EXPECT_LT(image->geometry().right(), fm.horizontalAdvance(first + QString(9, QLatin1Char(' '))) + 2);
    EXPECT_NEAR(image->height(), fm.height(), 1.0);
    const QImage shot = image->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            dark += qGray(shot.pixel(x, y)) < 96 ? 1 : 0;
    EXPECT_GT(dark, shot.width() * shot.height() / 50) << "the root sign is drawn";
}

// ---- The sheet selector ----------------------------------------------------------------------------------------

struct SheetCase {
    const char* button;
    const char* buttonCaption;
    const char* form;
    const char* caption;
};

const SheetCase kSheetCases[] = {
    {"Command1", "Le equazioni del sonar       (funzione passiva-funzione attiva)", "Form19",
     "Equazioni del sonar"},
    {"Command2", "Algoritmo di alcolo del  TS di bersagli   di riferimento.", "Form20",
     "Calcolo del TS dei bersagli di confronto"},
    {"Command3", "Algoritmo di calcolo  del DT", "Form21", "Calcolo del DT"},
    {"Command4", "Algoritmi di calcolo direttività basi rettilinee", "Form22",
     "Algoritmi per il calcolo delle direttività di basi rettilinee"},
    {"Command5", "Algoritmo di calcolo per basi circolari", "Form23",
     "Algoritmi di calcolo direttività basi circolari"},
    {"Command6", "Algoritmi generali per il sonar", "Form24", "Algoritmi generali per il sonar"},
    {"Command7", "Algoritmi per il calcolo delle funzioni di correlazione principali", "Form25",
     "Algoritmi per il calcolo delle funzioni di correlazione principali"},
    {"Command8", "Algoritmi per il calcolo delle funzioni di correlazione analogiche", "Form26",
     "Algoritmi per il calcolo delle funzioni di correlazione analogica"},
    {"Command9", "Algoritmi per il calcolo delle funzioni di correlazione digitali", "Form27",
     "Algoritmi di calcolo per le funzioni di correlazione digitale"},
    {"Command10", "Algoritmi per il calcolo di funzioni di correlazione particolari", "Form28",
     "Algoritmi di calcolo di funzioni di correlazione particolari"},
    {"Command11", "Algoritmi di calcolo del coefficiente di correlazione", "Form29",
     "Algoritmi per il calcolo del coefficiente di correlazione"},
};

TEST_F(ScreenTest, SheetSelectorShowsItsHeadingAndElevenCaptions) {
    ASSERT_TRUE(ui.show("Form18"));
    EXPECT_EQ(ui.text("Form18"), "Algoritmi di acustica subacquea");
    EXPECT_EQ(ui.text("Form18.Label1"), " SELEZIONARE IL TIPO DI ALGORITMO CLICCANDO SUL PULSANTE");
    for (const SheetCase& c : kSheetCases)
        EXPECT_EQ(ui.text(std::string("Form18.") + c.button), c.buttonCaption);
    EXPECT_TRUE(ui.get("Form18.Picture2")->visible);
}

TEST_F(ScreenTest, SheetSelectorTabOrderStartsAtTheDigitalCorrelationButton) {
    ASSERT_TRUE(ui.show("Form18"));
    const std::vector<std::string> order = {"Command9", "Command8", "Command7", "Command6",  "Command5", "Command4",
                                            "Command3", "Command1", "Command2", "Command10", "Command11"};
    px::Screen* s = px::screens::find("Form18");
    for (const std::string& name : order) {
        ASSERT_NE(s->focusWidget(), nullptr);
        EXPECT_EQ(s->focusWidget()->objectName().toStdString(), name);
        ASSERT_TRUE(ui.key("Form18", "Tab"));
    }
    EXPECT_EQ(s->focusWidget()->objectName().toStdString(), "Command9");  // round again
}

TEST_F(ScreenTest, EachSelectorButtonOpensItsSheetWithTheSheetsOwnCaption) {
    ASSERT_TRUE(ui.show("Form18"));
    for (const SheetCase& c : kSheetCases) {
        SCOPED_TRACE(c.button);
        ASSERT_TRUE(ui.click(std::string("Form18.") + c.button));
        const auto sheet = ui.get(c.form);
        ASSERT_TRUE(sheet.has_value()) << c.form << " did not open";
        EXPECT_EQ(sheet->text, c.caption);
        EXPECT_TRUE(sheet->visible);
        ui.close(c.form);
    }
    EXPECT_EQ(ui.screens(), std::vector<std::string>{"Form18"});
}

TEST_F(ScreenTest, LinearArrayButtonOpensAnEmptyWindowAndASecondPressTheSameOne) {
    ASSERT_TRUE(ui.show("Form18"));
    ASSERT_TRUE(ui.click("Form18.Command4"));
    px::Screen* first = px::screens::find("Form22");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(descriptionOf("Form22"), "");
    // Nothing but the window's background.
    const QImage shot = first->grab().toImage();
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            ASSERT_EQ(QColor(shot.pixel(x, y)), px::colour::buttonFace()) << x << "," << y;
    ASSERT_TRUE(ui.click("Form18.Command4"));
    EXPECT_EQ(px::screens::find("Form22"), first);
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form18", "Form22"}));
}

TEST_F(ScreenTest, CalculatorSelectorButtonsOpenTheGlossaryAndTheSheetSelector) {
    ASSERT_TRUE(ui.show("Form13"));
    EXPECT_EQ(ui.text("Form13.Command13"), "Glossario dei termini impiegati");
    EXPECT_EQ(ui.text("Form13.Command14"), "Algoritmi di acustica subacquea");
    ASSERT_TRUE(ui.click("Form13.Command13"));
    ASSERT_TRUE(ui.click("Form13.Command14"));
    EXPECT_EQ(ui.screens(), (std::vector<std::string>{"Form13", "Form17", "Form18"}));
    // A second press brings the open glossary forward: no second window.
    auto* glossary = px::screens::find("Form17");
    ASSERT_TRUE(ui.click("Form13.Command13"));
    EXPECT_EQ(px::screens::find("Form17"), glossary);
    EXPECT_EQ(ui.screens().size(), 3u);
}

// ---- The sheets' pages -----------------------------------------------------------------------------------------

// Pixels of the page by what they show: the white ground, blue ink and black ink (antialiased edges count as
// neither).
struct Ink {
    long white = 0, blue = 0, black = 0;
    int lowestBlack = -1;  // the lowest row with black ink
};

Ink inkOf(const QImage& shot, const QRect& page) {
    Ink ink;
    const QRect r = page.intersected(shot.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c(shot.pixel(x, y));
            if (c.red() == 255 && c.green() == 255 && c.blue() == 255) {
                ++ink.white;
            } else if (c.blue() > 200 && c.red() < 90 && c.green() < 90) {
                ++ink.blue;
            } else if (c.red() < 60 && c.green() < 60 && c.blue() < 60) {
                ++ink.black;
                ink.lowestBlack = y;
            }
        }
    return ink;
}

TEST_F(ScreenTest, SheetPagesAreWhiteWithABlackHeadingAndBlueFormulas) {
    for (const px::Sheet& sheet : px::kSheets) {
        if (sheet.page == nullptr) continue;
        SCOPED_TRACE(sheet.form);
        ASSERT_TRUE(ui.show(sheet.form));
        px::Screen* s = px::screens::find(sheet.form);
        const QImage shot = s->grab().toImage();
        const QRect page = px::twips::toPixels(0, 0, px::kPageWidth, px::kPageHeight);
        const Ink ink = inkOf(shot, page);
        const long area = ink.white + ink.blue + ink.black;
        EXPECT_GT(ink.white, area * 8 / 10) << "a white page";
        EXPECT_GT(ink.blue, area / 400) << "blue formulas and legends";
        EXPECT_GT(ink.black, area / 2000) << "a black heading";
        // The heading stands at the top: no black below the top fifth of the page.
        EXPECT_LT(ink.lowestBlack, page.height() / 5);
        // Beyond the page the window keeps its own background.
        if (shot.height() > page.height() + 2)
            EXPECT_EQ(QColor(shot.pixel(10, page.height() + 1)), px::colour::buttonFace());
        ui.close(sheet.form);
    }
}

// What each page says, in the linear form a screen reader reads: its heading, then its formulas.
struct PageText {
    const char* form;
    const char* heading;
    std::vector<const char*> formulas;
};

const PageText kPageTexts[] = {
    {"Form19",
     "Equazioni del SONAR",
     {"SL − TL = NL − DI + DT", "SL − 2TL + TS = NL − DI + DT", "SL − 2TL + TS = RL + DT", "TL = TLdiv. + α·R",
      "TLdiv. = 60 + 20·Log R", "TLdiv* = 60 + 10·Log R", "α = 0.2·f + 0.00015·f²", "+62 dB/µPa/Hz^½",
      "DI = 10·Log(2L/λ)", "λ = c/f", "+12 dB", "+16 dB", "+70 dB/µPa/Hz^½", "+180 dB/µPa"}},
    {"Form20",
     "Calcolo del TS di bersagli di confronto",
     {"TS = 10·Log(r²/4)", "2πr/λ >> 1", "D >> r", "TS = 10·Log[r·L²/(1.67·λ)]", "D > L²/λ"}},
    {"Form21", "CALCOLO DEL DT", {"DT = 5·Log(d·w/2t)", "ROC", "Hz"}},
    {"Form23",
     "Funzione di direttività di una base circolare di n sensori alla frequenza f",
     {"C(α) = Jo[(2πD/λ)·Sen(α/2)]", "Cos(z·Cos q) dq", "z = (2πD/λ)·Sen(α/2)·3.14/180", "n > (2πD/λ) + 2"}},
    {"Form24",
     "Algoritmi generali per il SONAR",
     {"Y(m + 1) = Y + Y(m) − Y(m)/ß", "err.str.° = 4 / Exp[(n·3.14/720)²·a² / Log(1/k)]",
      "err.op° = Δα·0.354·(1 + k)^½ / (k·(B·T)^½)", "k = (S/N)²", "−3 dB"}},
    {"Form25",
     "ALGORITMI PER LA CORRELAZIONE",
     {"C(t) = (1/To)·∫ da 0 a To di f(t)·f(t + τ) dt", "C(t) = (1/To)·∫ da 0 a To di f1(t)·f2(t) dt"}},
    {"Form26",
     "FUNZIONI DI CORRELAZIONE ANALOGICHE",
     {"C(r) = Sen(2πfr)/(2πfr)", "C(r) = [Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)", "df = (f2 − f1)/2",
      "fo = (f2 + f1)/2"}},
    {"Form27",
     "FUNZIONI DI CORRELAZIONE DIGITALI",
     {"C(r) = (2/π)·Arcsen[Sen(2πfr)/(2πfr)]", "(2/π)·Arcsen{[Sen(2π·df·r)/(2π·df·r)]·Cos(2π·fo·r)}",
      "df = (f2 − f1)/2", "fo = (f2 + f1)/2"}},
    {"Form28",
     "FUNZIONI DI CORRELAZIONE PARTICOLARI",
     {"C(r) = exp(−2k·|r|)", "C(r) = [Cos(ωo·r) − (1/2Q)·Sen(ωo·|r|)]·exp(−ωo·|r|/2Q)"}},
    {"Form29",
     "COEFFICIENTE DI CORRELAZIONE DI UNA SERIE DISCRETA DI DATI",
     {"C = [(A1 − Am)(B1 − Bm) + … + (An − Am)(Bn − Bm)] / (Dα·Dß)", "Dα = [(A1 − Am)² + … + (An − Am)²]^½",
      "Dß = [(B1 − Bm)² + … + (Bn − Bm)²]^½"}},
};

TEST_F(ScreenTest, EachSheetReadsAsItsPageAndCtrlCCopiesIt) {
    for (const PageText& page : kPageTexts) {
        SCOPED_TRACE(page.form);
        ASSERT_TRUE(ui.show(page.form));
        const std::string text = descriptionOf(page.form);
        EXPECT_EQ(text.substr(0, text.find('\n')), page.heading);
        for (const char* formula : page.formulas)
            EXPECT_NE(text.find(formula), std::string::npos) << formula;
        QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
        pressCopy(px::screens::find(page.form));
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
        ui.close(page.form);
    }
}

// Ctrl+C copies the glossary as it reads, one line a line, the root sign written out.
TEST_F(ScreenTest, CtrlCCopiesTheGlossary) {
    ASSERT_TRUE(ui.show("Form17"));
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    pressCopy(px::screens::find("Form17"));
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 26);
    for (int i = 0; i < 26; ++i) {
        SCOPED_TRACE(i);
        if (kGlossary[i] == nullptr) {
            EXPECT_TRUE(lines[i].isEmpty());
        } else if (i != 0 && i != 2) {
            EXPECT_EQ(lines[i], QString::fromUtf8(kGlossary[i]).trimmed());
        }
    }
    EXPECT_EQ(lines[0], QStringLiteral("NL = livello spettrale di rumore generato dal mare: espresso in "
                                       "dB/microPa/√Hz"));
    EXPECT_EQ(lines[2], QStringLiteral("SL = livello spettrale di rumore emesso da una sorgente acustica: in "
                                       "dB/microPa/√Hz ad 1 m."));
}

TEST_F(ScreenTest, CtrlCOnTheEmptySheetLeavesTheClipboardAlone) {
    ASSERT_TRUE(ui.show("Form22"));
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    pressCopy(px::screens::find("Form22"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("prima"));
}

// The pictures need no font at run time: every glyph is an outline, and each page keeps the shape of an
// 800 x 600 picture, the root sign that of its 47 x 33 box.
TEST_F(ScreenTest, PicturesAreOutlinesInTheirShape) {
    std::vector<std::pair<QString, double>> pictures = {{QStringLiteral(":/sqrt_hz.svg"), 47.0 / 33.0}};
    for (const px::Sheet& sheet : px::kSheets) {
        if (sheet.page == nullptr) continue;
        // The Italian page and its English twin.
        const QString page = QString::fromUtf8(sheet.page);
        pictures.emplace_back(page, 4.0 / 3.0);
        pictures.emplace_back(QString(page).replace(QLatin1String(".svg"), QLatin1String("_en.svg")), 4.0 / 3.0);
    }
    for (const auto& [resource, aspect] : pictures) {
        SCOPED_TRACE(resource.toStdString());
        QFile file(resource);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        EXPECT_FALSE(svg.contains("<text"));
        EXPECT_FALSE(svg.contains("font-family"));
        EXPECT_FALSE(svg.contains("@font-face"));
        QSvgRenderer renderer(svg);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_NEAR(renderer.viewBoxF().width() / renderer.viewBoxF().height(), aspect, 0.01);
    }
}

// ---- The English reading ---------------------------------------------------------------------------------------

// Reads English for one test, and Italian again after it, whatever the test's outcome.
class EnglishReferenceTest : public ScreenTest {
protected:
    void SetUp() override { px::reading::apply(px::reading::Reading::English); }
    void TearDown() override {
        // Screens opened in English close before the reading turns back.
        for (px::Screen* s : px::screens::open())
            s->close();
        px::Scenario::settle();
        px::reading::apply(px::reading::Reading::Italian);
    }
};

// Words of the Italian pages and glossary that no English text of them holds (the formulas' Cos and Log stay).
const char* const kItalianWords[] = {"Dove",   "livello", "della",    "del",     "per",
                                     "banda",  "Segnale", "Funzione", "ritardo", "Valida",
                                     "rumore", "stato",   "espresso", "dei",     "di"};

void expectNoItalian(const std::string& text) {
    const QString english = QString::fromStdString(text);
    for (const char* word : kItalianWords)
        EXPECT_FALSE(english.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(word)))))
            << "\"" << word << "\" in:\n"
            << text;
}

TEST_F(EnglishReferenceTest, SelectorAndSheetsReadAndCopyAsEnglishWithTheSameFormulas) {
    ASSERT_TRUE(ui.show("Form18"));
    EXPECT_EQ(ui.text("Form18"), "Underwater acoustics algorithms");
    EXPECT_EQ(ui.text("Form18.Label1"), " SELECT THE TYPE OF ALGORITHM BY CLICKING ITS BUTTON");
    ASSERT_TRUE(ui.click("Form18.Command1"));
    EXPECT_EQ(ui.text("Form19"), "Sonar equations");
    const std::string sonar = descriptionOf("Form19");
    EXPECT_NE(sonar.find("SL = source level (e.g. +180 dB/µPa)"), std::string::npos) << sonar;
    EXPECT_NE(sonar.find("transmission loss"), std::string::npos);
    EXPECT_NE(sonar.find("detection threshold"), std::string::npos);
    ui.close("Form19");
    for (const PageText& page : kPageTexts) {
        SCOPED_TRACE(page.form);
        ASSERT_TRUE(ui.show(page.form));
        const std::string text = descriptionOf(page.form);
        expectNoItalian(text);
        EXPECT_NE(text.substr(0, text.find('\n')), page.heading);
        // The formulas stay as they are, but for the English names of sine and arcsine and the integral's words.
        for (const char* formula : page.formulas) {
            if (std::string(formula).find(" da 0 a ") == std::string::npos) {
                const std::string english = QString::fromUtf8(formula)
                                                .replace(QLatin1String("Arcsen"), QLatin1String("Arcsin"))
                                                .replace(QLatin1String("Sen("), QLatin1String("Sin("))
                                                .toStdString();
                EXPECT_NE(text.find(english), std::string::npos) << english;
            }
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        pressCopy(px::screens::find(page.form));
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
        ui.close(page.form);
    }
}

// The English page is its own picture: it is drawn in place of the Italian one.
TEST_F(EnglishReferenceTest, SheetsShowTheEnglishPage) {
    for (const px::Sheet& sheet : px::kSheets) {
        if (sheet.page == nullptr) continue;
        SCOPED_TRACE(sheet.form);
        ASSERT_TRUE(ui.show(sheet.form));
        const QImage english = px::screens::find(sheet.form)->grab().toImage();
        ui.close(sheet.form);
        px::reading::apply(px::reading::Reading::Italian);
        ASSERT_TRUE(ui.show(sheet.form));
        const QImage italian = px::screens::find(sheet.form)->grab().toImage();
        ui.close(sheet.form);
        px::reading::apply(px::reading::Reading::English);
        ASSERT_EQ(english.size(), italian.size());
        EXPECT_NE(english, italian);
        // The same look: a white page, a black heading at the top and about as much blue ink as the Italian.
        const QRect page = px::twips::toPixels(0, 0, px::kPageWidth, px::kPageHeight);
        const Ink ink = inkOf(english, page);
        const Ink italianInk = inkOf(italian, page);
        EXPECT_GT(ink.white, (ink.white + ink.blue + ink.black) * 8 / 10);
        EXPECT_GT(ink.blue, italianInk.blue / 2) << "blue formulas and legends";
        EXPECT_GT(ink.black, italianInk.black / 2) << "a black heading";
        EXPECT_LT(ink.lowestBlack, page.height() / 5) << "the heading at the top";
    }
}

TEST_F(EnglishReferenceTest, GlossaryPrintsReadsAndCopiesAsEnglishWithTheRootSignInPlace) {
    ASSERT_TRUE(ui.show("Form17"));
    px::Screen* s = px::screens::find("Form17");
    EXPECT_EQ(ui.text("Form17"), "Glossary of the terms used in PELAGONIX");
    // Printed line for line, in English.
    std::vector<std::string> printed;
    for (const px::Primitive& p : ui.primitives("Form17"))
        if (p.kind == px::Primitive::Text) printed.push_back(s->surface().textOf(p).toStdString());
    ASSERT_EQ(printed.size(), 24u);
    EXPECT_EQ(printed[1], " SS = sea state: expressed by numbers such as ( 0; 1/2; 1; 2; 4; 6 )");
    EXPECT_EQ(printed[10], " TS = target strength: expressed in dB");
    // The root sign stands after "dB/microPa/" of the English first line, in the blanks left for it.
    const QString first = px::glossaryLine(0);
    const int sign = first.indexOf(QLatin1String("dB/microPa/")) + 11;
    ASSERT_GT(sign, 11);
    EXPECT_EQ(first.mid(sign), QString(9, QLatin1Char(' ')));
    const QFontMetricsF fm(s->surface().font());
    EXPECT_NEAR(s->control("Image2")->geometry().left(), fm.horizontalAdvance(first.left(sign)), 1.0);
    // Read and copied as English, the root sign written out.
    const std::string text = descriptionOf("Form17");
    expectNoItalian(text);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    pressCopy(s);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], QStringLiteral("NL = spectrum level of the noise of the sea: expressed in dB/microPa/√Hz"));
    EXPECT_EQ(lines[2], QStringLiteral("SL = spectrum level of the noise radiated by an acoustic source: in "
                                       "dB/microPa/√Hz at 1 m."));
    EXPECT_TRUE(lines[13].isEmpty());
}

}  // namespace
