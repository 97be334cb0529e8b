#include "sweep.h"

#include <QCoreApplication>

#include "export.h"
#include "screen.h"

namespace px::noise {

void publishSweep(Screen& screen, const QString& quantity, double k, double twipsPerDb, const QStringList& inputs,
                  const QStringList& curveNames, double (*level)(double D, std::size_t c)) {
    results::Table& t = results::of(screen);
    // The frequency axis: 400 + 3066.7 ln(10 f) / ln 10 twips for f in kHz, that is log10 of f in Hz.
    t.plots = {results::Plot{QRectF(kLeft, kTop, kRight - kLeft, kBottom - kTop),
                             {kLeft - 2 * kDecade, kDecade, true, QStringLiteral("f"), QStringLiteral("Hz")},
                             {kBottom, -twipsPerDb, false, quantity, QStringLiteral("dB")}}};
    // The columns in the reading's words: "frequenza_Hz", "SL_10nodi_dB"… in Italian.
    QStringList columns{QCoreApplication::translate("px::noise::Sweep", "frequenza_Hz")};
    for (const QString& name : curveNames)
        columns << quantity + QLatin1Char('_') + name + QStringLiteral("_dB");
    const std::size_t curves = static_cast<std::size_t>(curveNames.size());
    t.maker = [=](results::Table& table) {
        for (const QString& line : inputs)
            table.inputs << line;
        results::Series& s = table.series(QString(), columns);
        // Made as the drawing makes its points: slice by slice on all cores, so every row is the same as one
        // after the other.
        const std::size_t width = curves + 1;
        s.cells.resize(sweepSlices().count * width);
        const double ln10 = ln(Num(10)).value();
        double* cells = s.cells.data();
        sweepSpectra(k, ln10, [&](std::size_t i, double f, double D) {
            double* out = cells + width * i;
            *out++ = f * 1000;
            for (std::size_t c = 0; c < curves; ++c)
                *out++ = level(D, c);
        });
    };
}

QString frequencyCaption(int lead) {
    return QString(lead, QLatin1Char(' ')) + QStringLiteral(".1") + QString(40, QLatin1Char(' ')) +
           QStringLiteral("1") + QString(37, QLatin1Char(' ')) + QStringLiteral("10") +
           QString(36, QLatin1Char(' ')) + QStringLiteral("100") + QString(6, QLatin1Char(' ')) +
           QStringLiteral("KHz");
}

}  // namespace px::noise
