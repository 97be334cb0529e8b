// The number-block correlation: the entry of the pairs, the index the captions announce next, and the single and
// multiple reports, as plain computations over the blocks' state.
#include "blocks.h"

#include <string>

#include "numbers.h"
#include "translate.h"

namespace px {

namespace {
std::size_t at(double index, std::size_t size) { return tableIndex(index, size); }
}  // namespace

void BlockState::resetSums() { sumA = sumB = meanA = meanB = dA = dB = sAB = sAA = sBB = r = 0; }

void alignAndSum(BlockState& b, int shift) {
    for (int i = 1; i <= b.n; ++i) {
        int j = shift + i;
        if (j > b.n) j -= b.n;
        b.Bs[at(i, b.Bs.size())] = CSng(b.B[at(j, b.B.size())]);
        b.sumA = CSng((Num(b.sumA) + Num(b.A[at(i, b.A.size())])).value());
        b.sumB = CSng((Num(b.sumB) + Num(b.Bs[at(i, b.Bs.size())])).value());
    }
}

Spread spreadOf(BlockState& b, Deviations* dAk, Deviations* dBk) {
    b.meanA = CSng((Num(b.sumA) / Num(b.n)).value());
    b.meanB = CSng((Num(b.sumB) / Num(b.n)).value());
    for (int i = 1; i <= b.n; ++i) {
        const Num devA = Num(b.A[at(i, b.A.size())]) - Num(b.meanA);
        const Num devB = Num(b.Bs[at(i, b.Bs.size())]) - Num(b.meanB);
        if (dAk != nullptr) (*dAk)[at(i, dAk->size())] = devA.value();
        if (dBk != nullptr) (*dBk)[at(i, dBk->size())] = devB.value();
        b.dA = CSng(devA.value());
        b.dB = CSng(devB.value());
        b.sAB = CSng((Num(b.sAB) + Num(b.dA) * Num(b.dB)).value());
        b.sAA = CSng((Num(b.sAA) + Num(b.dA) * Num(b.dA)).value());
        b.sBB = CSng((Num(b.sBB) + Num(b.dB) * Num(b.dB)).value());
    }
    return {sqrt(Num(b.sAA)).value(), sqrt(Num(b.sBB)).value()};
}

float coefficientOf(BlockState& b, Spread s) {
    b.r = CSng((Num(b.sAB) / (Num(s.SA) * Num(s.SB))).value());
    return b.r;
}

std::optional<int> nextLabel(BlockState& b) {
    if (b.n == 0) b.n = 100;
    b.labelcount = CInt(b.labelcount + 1.0);
    if (b.labelcount <= b.n) return b.labelcount;
    return std::nullopt;
}

std::optional<int> startEntry(BlockState& b) {
    b.counter = 0;
    b.labelcount = 0;
    return nextLabel(b);
}

void takePair(BlockState& b, const PairFields& typed, PairTaken& out) {
    out.label = nextLabel(b);
    out.labelled = true;
    b.n = CInt(typed.n);
    b.counter = CInt(b.counter + 1.0);
    if (b.counter == b.n + 1) {
        b.counter = 1;
        out.emptied = true;
    }
    if (b.n == 0) b.counter = 1;
    b.A[at(b.counter, b.A.size())] = typed.a;
    out.emptied = true;
    b.B[at(b.counter, b.B.size())] = typed.b;
    b.mode = CInt(typed.mode);
}

BlockReportEnd blockReport(BlockState& b, const lines::LineSink& sink) {
    using lines::num;
    using lines::tab;
    using lines::txt;
    // Every correlation starts from empty sums, also after a report that ended early or faulted.
    b.resetSums();
    // The pair line of index i: tab to column 20, "A i = A(i) ;B i = B(i) ".
    auto pairLine = [&sink, &b](int i) {
        sink({tab(20), txt("A"), num(i), txt("="), num(b.A[at(i, b.A.size())]), txt(";"), txt("B"), num(i),
              txt("="), num(b.B[at(i, b.B.size())])});
    };

    if (b.mode == 1) {
        for (int s = 0; s < b.n; ++s) {
            b.resetSums();
            alignAndSum(b, s);
            const Spread spread = spreadOf(b);
            if (spread.SA == 0 || spread.SB == 0) return BlockReportEnd::Stopped;
            const float r = coefficientOf(b, spread);
            sink({txt(std::to_string(s) + "C"), txt("= "), num(r)});
            pairLine(s + 1);
            b.resetSums();
        }
        return BlockReportEnd::Finished;
    }

    alignAndSum(b, 0);
    if (b.n == 0) return BlockReportEnd::Empty;
    Deviations dAk{}, dBk{};
    const Spread spread = spreadOf(b, &dAk, &dBk);
    if (spread.SA == 0 || spread.SB == 0) return BlockReportEnd::Stopped;
    const float r = coefficientOf(b, spread);
    const Num root = sqrt(Num(b.n));
    sink({txt(PX_TRANSLATE_NOOP("Correlation", "A media =   ")), num(b.meanA)});
    sink({txt(PX_TRANSLATE_NOOP("Correlation", "B media =   ")), num(b.meanB)});
    sink({txt(PX_TRANSLATE_NOOP("Correlation", "A Dev.std.=   ")),
          txt(Format((Num(spread.SA) / root).value(), "0.000"))});
    sink({txt(PX_TRANSLATE_NOOP("Correlation", "B Dev.std.=   ")),
          txt(Format((Num(spread.SB) / root).value(), "0.000"))});
    sink({});
    sink({txt("C"), txt("= "), num(r)});
    for (int i = 1; i <= b.n; ++i) {
        const double devA = dAk[at(i, dAk.size())];
        const double devB = dBk[at(i, dBk.size())];
        pairLine(i);
        sink({txt(PX_TRANSLATE_NOOP("Correlation", "scarto A")), num(i), txt(" =  "), txt(Format(devA, "0.00")),
              txt(PX_TRANSLATE_NOOP("Correlation", "; rapp.scarti =")),
              txt(Format((Num(devA) / Num(devB)).value(), "0.00"))});
        sink({txt(PX_TRANSLATE_NOOP("Correlation", "scarto B")), num(i), txt(" =  "), txt(Format(devB, "0.00"))});
    }
    b.resetSums();
    return BlockReportEnd::Finished;
}

}  // namespace px
