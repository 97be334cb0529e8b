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
        // Made as the drawing makes its points: slice by slice on all cores, each frequency of a slice the one
        // before plus 0.001 from the slice's start, so every row is the same as one after the other.
        const SweepSlices& slices = sweepSlices();
        const std::size_t width = curves + 1;
        s.cells.resize(slices.count * width);
        const double ln10 = ln(Num(10)).value();
        double* cells = s.cells.data();
        parallel::forSlices(slices.count, kSweepSlice, [&](std::size_t from, std::size_t to) {
            double f = slices.starts[from / kSweepSlice];
            double* out = cells + width * from;
            for (std::size_t i = from; i < to; ++i) {
                const double D = octaveDrop(f, k, ln10);
                *out++ = f * 1000;
                for (std::size_t c = 0; c < curves; ++c)
                    *out++ = level(D, c);
                f = f + kSweepStep;
            }
        });
    };
}

}  // namespace px::noise
