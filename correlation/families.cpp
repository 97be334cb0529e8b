// The families of the workbench's processes: each takes the fields over, calls its plain computations and shows
// what they give on the screen.
#include "families.h"

#include <QLineEdit>

#include "algorithms.h"
#include "curves.h"
#include "export.h"
#include "numbers.h"
#include "workbench.h"

namespace px {

namespace {

// The values a computation gives back, stored into the working values when it ends, also by a fault.
struct Storing {
    explicit Storing(WorkingValues& values) : wv(values) {}
    ~Storing() { store(changes, wv); }
    Storing(const Storing&) = delete;
    Storing& operator=(const Storing&) = delete;
    WorkingChanges changes;
    WorkingValues& wv;
};

// The run lasts about five seconds: one cycle every 5 ms.
constexpr int kCycleMs = 5;
// The band of the window that the marks fall in, in twips: from the outer circle of the first channel to that
// of the last.
constexpr double kBandLeft = 6780 + 100 * kFirstMark - 60;
constexpr double kBandWidth = 100 * (kLastMark - kFirstMark) + 120;

// The captions of fields 1 … 4 of each entry of the algorithm list.
struct AlgorithmSetup {
    const char* captions[4];
    bool hidesCompare;  // whether the setup hides "Compara   grafici"
};
constexpr AlgorithmSetup kSetups[7] = {
    {{QT_TRANSLATE_NOOP("px::Form12", "V.alim.(Vcc.)"), QT_TRANSLATE_NOOP("px::Form12", "Sux(Vcc.)"),
      QT_TRANSLATE_NOOP("px::Form12", "V.eff.ingr."), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     true},  // Si/Ni = f[Sux; Ving]
    {{QT_TRANSLATE_NOOP("px::Form12", "BW(Hz)"), QT_TRANSLATE_NOOP("px::Form12", "RC(Sec.)"),
      QT_TRANSLATE_NOOP("px::Form12", "d(roc)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     true},  // Si/Ni = f[d(roc); RC; BW]
    {{QT_TRANSLATE_NOOP("px::Form12", "V.alim.(Vcc.)"), QT_TRANSLATE_NOOP("px::Form12", "Si/Ni(dB)"),
      QT_TRANSLATE_NOOP("px::Form12", "Dato3"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     true},  // Sux = f[Si/Ni]
    {{QT_TRANSLATE_NOOP("px::Form12", "V.alim.(Vcc.)"), QT_TRANSLATE_NOOP("px::Form12", "RC(Sec.)"),
      QT_TRANSLATE_NOOP("px::Form12", "BW(Hz)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     true},  // Nux = f[RC; BW]
    {{QT_TRANSLATE_NOOP("px::Form12", "Si/Ni(dB)"), QT_TRANSLATE_NOOP("px::Form12", "BW(Hz)"),
      QT_TRANSLATE_NOOP("px::Form12", "RC(Sec.)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     false},  // Sux/Nux = f[Si/Ni; RC; BW]
    {{QT_TRANSLATE_NOOP("px::Form12", "V.alim.(Vcc.)"), QT_TRANSLATE_NOOP("px::Form12", "Nux(Veff.)"),
      QT_TRANSLATE_NOOP("px::Form12", "BW(Hz)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     true},  // RC = f[Nux; BW]
    {{QT_TRANSLATE_NOOP("px::Form12", "Si/Ni(dB)"), QT_TRANSLATE_NOOP("px::Form12", "RC(Sec.)"),
      QT_TRANSLATE_NOOP("px::Form12", "BW(Hz)"), QT_TRANSLATE_NOOP("px::Form12", "Dato4")},
     false},  // d(roc) = f[RC; Si/Ni; BW]
};

float single(double v) { return CSng(v); }

}  // namespace

// ---- The curves ------------------------------------------------------------------------------------------------

void CurveFamily::takeOver(int p) {
    WorkingValues& wv = f.wv;
    auto value = [this](int n) { return f.value(n); };
    switch (p) {
        case Form12::AnalFtc:
        case Form12::DigFtc:
            wv.F = value(1), wv.FS = value(2), wv.tc = value(3);
            break;
        case Form12::AnalF1F2tc:
        case Form12::DigF1F2tc:
        case Form12::DigQuadrature:
            wv.F1 = value(1), wv.F2 = value(2), wv.FS = value(3), wv.tc = value(4);
            break;
        case Form12::AnalFad:
            wv.F = value(1), wv.FSa = value(2), wv.BRQ = value(3), wv.D = value(4);
            break;
        case Form12::AnalF1F2ad:
            wv.F1 = value(1), wv.F2 = value(2), wv.FSa = value(3), wv.BRQ = value(4), wv.D = value(5);
            break;
        case Form12::DigNoisy:
            wv.F1 = value(1), wv.F2 = value(2), wv.FS = value(3), wv.tc = value(4), wv.SN = value(5);
            wv.RC = value(6), wv.K = value(7);
            break;
        default:
            break;
    }
}

void CurveFamily::compute(int p) {
    if (!f.comparing()) f.surface().Clear();
    if (!f.comparing()) f.drawPlotFrame();
    const QColor ink = f.comparing() ? colour::red : colour::blue;
    f.surface().reserve(10001);  // room for the sweep's points, on top of what is drawn
    // The curve's numbers, for export and the readout, named after its colour when curves are compared.
    results::Table& table = results::of(f);
    table.inputs = exporting::inputsOf(f, false);
    const bool bearing = p == Form12::AnalFad || p == Form12::AnalF1F2ad;
    std::vector<double>& values = table
                                      .series((f.comparing() ? Form12::tr("rosso: ") : Form12::tr("blu: ")) +
                                                  Form12::translated(Form12::processNames().value(p - 1)),
                                              {bearing ? Form12::tr("angolo_frazione_fondo_scala")
                                                       : Form12::tr("ritardo_frazione_fondo_scala"),
                                               QStringLiteral("C")})
                                      .cells;
    // Each point is drawn the moment it is computed: a fault later in the sweep leaves it on the window.
    const curves::PointSink draw = [this, &ink, &values](float x, float y, const curves::PointValues& v) {
        f.surface().Point(x, y, ink);
        values.push_back(v.fraction);
        values.push_back(v.C);
    };
    // What the sweep gives back to the working values, stored also when a fault ends it.
    Storing stored(f.wv);
    switch (p) {
        case Form12::AnalFtc:
            curves::analFtc(f.wv, draw);
            break;
        case Form12::AnalF1F2tc:
            curves::analF1F2tc(f.wv, draw);
            break;
        case Form12::AnalFad:
            curves::analFad(f.wv, draw, stored.changes);
            break;
        case Form12::DigFtc:
            curves::digFtc(f.wv, draw);
            break;
        case Form12::DigF1F2tc:
            curves::digF1F2tc(f.wv, draw);
            break;
        case Form12::AnalF1F2ad:
            curves::analF1F2ad(f.wv, draw);
            break;
        case Form12::DigNoisy:
            curves::digNoisy(f.wv, f.clock(), f.random(), draw, stored.changes);
            break;
        case Form12::DigQuadrature:
            curves::digQuadrature(f.wv, draw);
            break;
        default:
            break;
    }
}

// ---- The algorithms --------------------------------------------------------------------------------------------

void AlgorithmFamily::setup(int index) {
    if (index < 0 || index >= 7) return;
    const AlgorithmSetup& s = kSetups[index];
    f.cancellaTEXTBOX1();
    f.surface().Clear();
    for (int n = 1; n <= 4; ++n)
        f.caption(n)->setCaption(Form12::tr(s.captions[n - 1]));
    f.caption(5)->setCaption(Form12::tr("Dato5"));
    f.caption(6)->setCaption(Form12::tr("Dato6"));
    f.Shape2->hide();
    if (s.hidesCompare) f.Check1->hide();
}

void AlgorithmFamily::takeOver(int entry) {
    WorkingValues& wv = f.wv;
    auto value = [this](int n) { return f.value(n); };
    switch (entry) {
        case algo::SiNiOutput:
            wv.Valim = single(value(1)), wv.Sux = single(value(2)), wv.Vin = single(value(3));
            break;
        case algo::SiNiIndex:
            wv.BW = single(value(1)), wv.RC = value(2), wv.D = value(3);
            break;
        case algo::OutputSignal:
            wv.Valim = single(value(1)), wv.D = value(2);
            break;
        case algo::OutputNoise:
            wv.Valim = single(value(1)), wv.RC = value(2), wv.BW = single(value(3));
            break;
        case algo::OutputRatio:
            wv.SNs = single(value(1)), wv.BW = single(value(2)), wv.RC = value(3);
            break;
        case algo::TimeConstant:
            wv.Valim = single(value(1)), wv.Nux = single(value(2)), wv.BW = single(value(3));
            break;
        case algo::DetectionIndex:
            wv.SN = value(1), wv.RC = value(2), wv.BW = single(value(3));
            break;
        default:
            break;
    }
}

void AlgorithmFamily::compute(int entry) {
    if (entry < 0 || entry >= 7) return;
    f.surface().Clear();
    Storing stored(f.wv);
    algo::report(entry, f.wv, stored.changes, [this](const lines::Line& line) { f.report.line(line); });
}

// ---- The simulation --------------------------------------------------------------------------------------------

void SimulationFamily::listen() {
    auto follow = [this](int n, std::string CycleFields::*input) {
        NumericField* field = f.field(n);
        inputs.*input = field->utf8();
        QObject::connect(field, &QLineEdit::textChanged, &f,
                         [this, field, input] { inputs.*input = field->utf8(); });
    };
    follow(1, &CycleFields::si);
    follow(2, &CycleFields::rc);
    follow(7, &CycleFields::gain);
}

void SimulationFamily::setup() {
    f.cancellaTEXTBOX();
    for (QWidget* w : std::initializer_list<QWidget*>{f.Image1, f.Image2, f.Image3})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{f.Label7, f.Label10, f.Label11, f.Label12, f.Label13})
        w->hide();
    f.Label14->show();
    f.Label15->show();
    f.List1->hide();
    f.Shape2->show();
    f.Check1->hide();
    const QString captions[6] = {Form12::tr("Si/Ni(db)"),      Form12::tr("RC(Sec.)"),
                                 Form12::tr("Sux (atteso)"),   Form12::tr("Sux(dinamico)"),
                                 Form12::tr("Nux(Picco)/100"), Form12::tr("G.autom.")};
    for (int n = 1; n <= 6; ++n)
        f.caption(n)->setCaption(captions[n - 1]);
}

void SimulationFamily::takeOver() { buildCoincidenceTable(state); }

void SimulationFamily::compute() {
    // A second "Calcolo" while the run goes on stops it, as Esc does.
    if (f.repeating()) {
        f.stopSimulation();
        return;
    }
    f.surface().Clear();
    state.cycle = 0;
    f.setHint(Form12::tr("Simulazione in corso: Calcolo o Esc la ferma"));
    f.every(kCycleMs, [this] { return cycle(); });
}

void SimulationFamily::show(const CycleOutput& out) {
    store(out.values, f.wv);
    if (out.p) f.txtdigits4->setText(QString::fromStdString(Str(*out.p / 100.0)));
    if (out.peak) f.txtdigits5->setText(QString::fromStdString(StrSingle(*out.peak)));
    if (out.cleared) f.surface().Clear();
    if (out.expected) f.txtdigits3->setText(QString::fromStdString(StrSingle(*out.expected)));
    if (out.autoGain) f.txtdigits6->setText(QString::fromStdString(StrSingle(*out.autoGain)));
}

bool SimulationFamily::cycle() {
    if (f.process() != Form12::Simulation) return false;
    const Form12Quiet quiet(f);
    SimulationState& sim = state;
    if (sim.y0 == 0) sim.y0 = 8000;
    try {
        // Synthesis: what the cycle gave before a fault stays shown.
        CycleOutput out;
        try {
            synthesizeCycle(sim, inputs, f.clock(), f.random(), out);
        } catch (const Fault&) {
            show(out);
            throw;
        }
        show(out);
        // The lag values.
        computeLags(sim);
        f.surface().Clear();
    } catch (const Fault&) {
        f.setHint(Form12::tr("Simulazione interrotta dall'errore al ciclo %1").arg(sim.cycle + 1));
        throw;
    }
    const QColor blue(0, 0, 255);
    // The correlogram of the last cycle, for export: the value of each channel's mark.
    results::Table& table = results::of(f);
    // The clear above emptied the table: the series is this cycle's alone.
    results::Series& marks =
        table.series(Form12::tr("correlogramma"), {Form12::tr("canale"), QStringLiteral("Pk")});
    marks.readable = false;
    for (int k = kFirstMark; k <= kLastMark; ++k) {
        const MarkCentre c = markCentre(sim, k);
        for (int r : kMarkRadii)
            f.surface().Circle(c.x, c.y, r, blue);
        marks.add({static_cast<double>(k), static_cast<double>(sim.Pk[static_cast<std::size_t>(k)])});
    }
    if (sim.y0 == 0) sim.y0 = 8000;
    // The marks, this cycle's and the last one's, lie in the band of the nine channels.
    const QRect band = twips::toPixels(kBandLeft, 0, kBandWidth, 0);
    f.update(band.left() - f.scrollOffset().x(), 0, band.width() + 1, f.height());
    if (++sim.cycle < kSimulationCycles) return true;
    f.setHint(Form12::tr("Simulazione finita: %1 cicli").arg(kSimulationCycles));
    return false;
}

// ---- The number blocks -----------------------------------------------------------------------------------------

void BlockFamily::announce(std::optional<int> index) {
    if (!index) return;
    f.caption(2)->setCaption(QString::number(*index) + QStringLiteral("            A"));
    f.caption(3)->setCaption(QString::number(*index) + QStringLiteral("            B"));
}

void BlockFamily::setup() {
    f.cancellaTEXTBOX();
    f.surface().Clear();
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Image1, f.Image2, f.Image3, f.Label7, f.Label10, f.Label11, f.Label12,
                                         f.Label13, f.Label14, f.Label15, f.List1, f.Shape2, f.Check1})
        w->hide();
    f.caption(1)->setCaption(QStringLiteral("             n"));
    f.caption(4)->setCaption(QStringLiteral(" mult.=1 "));
    f.caption(5)->setCaption(Form12::tr("Dato5"));
    f.caption(6)->setCaption(Form12::tr("Dato6"));
    announce(startEntry(state));
}

void BlockFamily::takeOver() {
    // The pair typed is read before anything empties its fields: a block that starts again at index 1 starts with
    // it, instead of with the emptied fields.
    const PairFields typed{f.value(1), f.value(2), f.value(3), f.value(4)};
    PairTaken taken;
    auto show = [this, &taken] {
        if (taken.labelled) {
            announce(taken.label);
            f.caption(1)->setCaption(QStringLiteral("            n"));
        }
        if (taken.emptied) {
            f.field(2)->setText(QString());
            f.field(3)->setText(QString());
        }
    };
    try {
        takePair(state, typed, taken);
    } catch (const Fault&) {
        show();
        throw;
    }
    show();
}

void BlockFamily::compute() {
    f.surface().Clear();
    const BlockReportEnd end = blockReport(state, [this](const lines::Line& line) { f.report.line(line); });
    if (end == BlockReportEnd::Empty) {
        setup();
    } else if (end == BlockReportEnd::Finished) {
        for (int n = 1; n <= 3; ++n)
            f.field(n)->setText(QString());
        announce(startEntry(state));
    }
}

}  // namespace px
