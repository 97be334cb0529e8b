// The number-block correlation: the entry of the pairs ("Convalida dati"), the captions that announce the next
// index, and the single and multiple reports ("Calcolo").
#include "blocks.h"

#include "numbers.h"
#include "workbench.h"

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

// ---- The screen's procedures ------------------------------------------------------------------------------------

void Form12::predsblocchi() {
    cancellaTEXTBOX();
    surface().Clear();
    for (QWidget* w : std::initializer_list<QWidget*>{Image1, Image2, Image3, Label7, Label10, Label11, Label12,
                                                      Label13, Label14, Label15, List1, Shape2, Check1})
        w->hide();
    caption(1)->setCaption(QStringLiteral("             n"));
    caption(4)->setCaption(QStringLiteral(" mult.=1 "));
    caption(5)->setCaption(QStringLiteral("Dato5"));
    caption(6)->setCaption(QStringLiteral("Dato6"));
    blocks.counter = 0;
    blocks.labelcount = 0;
    label();
}

void Form12::label() {
    BlockState& b = blocks;
    if (b.n == 0) b.n = 100;
    b.labelcount = CInt(b.labelcount + 1.0);
    if (b.labelcount <= b.n) {
        caption(2)->setCaption(QString::number(b.labelcount) + QStringLiteral("            A"));
        caption(3)->setCaption(QString::number(b.labelcount) + QStringLiteral("            B"));
    }
}

void Form12::cornumerica2() {
    BlockState& b = blocks;
    label();
    caption(1)->setCaption(QStringLiteral("            n"));
    b.n = CInt(value(1));
    // The pair typed is read before anything empties its fields: a block that starts again at index 1 starts with
    // it, instead of with the emptied fields.
    const double a = value(2);
    const double bValue = value(3);
    b.counter = CInt(b.counter + 1.0);
    if (b.counter == b.n + 1) {
        b.counter = 1;
        field(2)->setText(QString());
        field(3)->setText(QString());
    }
    if (b.n == 0) b.counter = 1;
    b.A[at(b.counter, b.A.size())] = a;
    field(2)->setText(QString());
    b.B[at(b.counter, b.B.size())] = bValue;
    field(3)->setText(QString());
    b.mode = CInt(value(4));
}

void Form12::cornumerica1() {
    BlockState& b = blocks;
    surface().Clear();
    // Every correlation starts from empty sums, also after a report that ended early or faulted.
    b.resetSums();
    auto finish = [this, &b] {
        for (int n = 1; n <= 3; ++n)
            field(n)->setText(QString());
        b.counter = 0;
        b.labelcount = 0;
        label();
    };
    // The pair line of index i: tab to column 20, "A i = A(i) ;B i = B(i) ".
    auto pairLine = [this, &b](int i) {
        report.line({tab(20), txt("A"), num(i), txt("="), num(b.A[at(i, b.A.size())]), txt(";"), txt("B"), num(i),
                     txt("="), num(b.B[at(i, b.B.size())])});
    };

    if (b.mode == 1) {
        for (int s = 0; s < b.n; ++s) {
            b.resetSums();
            alignAndSum(b, s);
            const Spread spread = spreadOf(b);
            if (spread.SA == 0 || spread.SB == 0) return;
            const float r = coefficientOf(b, spread);
            report.line({txt(QString::number(s) + QStringLiteral("C")), txt("= "), num(r)});
            pairLine(s + 1);
            b.resetSums();
        }
        finish();
        return;
    }

    alignAndSum(b, 0);
    if (b.n == 0) {
        predsblocchi();
        return;
    }
    Deviations dAk{}, dBk{};
    const Spread spread = spreadOf(b, &dAk, &dBk);
    if (spread.SA == 0 || spread.SB == 0) return;
    const float r = coefficientOf(b, spread);
    const Num root = sqrt(Num(b.n));
    report.line({txt("A media =   "), num(b.meanA)});
    report.line({txt("B media =   "), num(b.meanB)});
    report.line({txt("A Dev.std.=   "), txt(Format((Num(spread.SA) / root).value(), "0.000"))});
    report.line({txt("B Dev.std.=   "), txt(Format((Num(spread.SB) / root).value(), "0.000"))});
    report.line();
    report.line({txt("C"), txt("= "), num(r)});
    for (int i = 1; i <= b.n; ++i) {
        const double devA = dAk[at(i, dAk.size())];
        const double devB = dBk[at(i, dBk.size())];
        pairLine(i);
        report.line({txt("scarto A"), num(i), txt(" =  "), txt(Format(devA, "0.00")), txt("; rapp.scarti ="),
                     txt(Format((Num(devA) / Num(devB)).value(), "0.00"))});
        report.line({txt("scarto B"), num(i), txt(" =  "), txt(Format(devB, "0.00"))});
    }
    b.resetSums();
    finish();
}

}  // namespace px
