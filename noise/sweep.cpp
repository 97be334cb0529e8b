#include "sweep.h"

#include "export.h"
#include "screen.h"

namespace px::noise {

const SweepSlices& sweepSlices() {
    static const SweepSlices slices = [] {
        SweepSlices s{0, {}};
        for (double f = kSweepFrom; f <= kSweepTo; f = f + kSweepStep) {
            if (s.count % kSweepSlice == 0) s.starts.push_back(f);
            ++s.count;
        }
        return s;
    }();
    return slices;
}

void publishSweep(Screen& screen, const QString& quantity, double k, double twipsPerDb, const QStringList& inputs,
                  const std::function<QString(std::size_t)>& curveName, std::size_t curves,
                  const std::function<double(double, std::size_t)>& level) {
    results::Table& t = results::of(screen);
    // The frequency axis: 400 + 3066.7 ln(10 f) / ln 10 twips for f in kHz, that is log10 of f in Hz.
    t.plots = {results::Plot{QRectF(kLeft, kTop, kRight - kLeft, kBottom - kTop),
                             {kLeft - 2 * kDecade, kDecade, true, QStringLiteral("f"), QStringLiteral("Hz")},
                             {kBottom, -twipsPerDb, false, quantity, QStringLiteral("dB")}}};
    QStringList columns{QStringLiteral("frequenza_Hz")};
    for (std::size_t c = 0; c < curves; ++c)
        columns << quantity + QLatin1Char('_') + curveName(c) + QStringLiteral("_dB");
    t.maker = [=](results::Table& table) {
        for (const QString& line : inputs)
            table.inputs << line;
        results::Series& s = table.series(QString(), columns);
        s.cells.reserve(sweepSlices().count * (curves + 1));
        const double ln10 = ln(Num(10)).value();
        for (double f = kSweepFrom; f <= kSweepTo; f = f + kSweepStep) {
            const double D = octaveDrop(f, k, ln10);
            s.cells.push_back(f * 1000);
            for (std::size_t c = 0; c < curves; ++c)
                s.cells.push_back(level(D, c));
        }
    };
}

}  // namespace px::noise
