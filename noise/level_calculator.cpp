#include "level_calculator.h"

namespace px::noise {

SpectrumCalculator::SpectrumCalculator(const QString& name, const QString& caption, const QString& graph,
                                       Model model)
    : Screen(name, caption), graph_(graph), model_(model) {}

ChoiceBox* SpectrumCalculator::cases(const QString& name, const QStringList& items, Rect place, FontSpec font) {
    return choice(name, items.value(0), items, place, font);
}

void SpectrumCalculator::connectButtons() {
    onClick(Command1, &SpectrumCalculator::Command1_Click);
    onClick(Command2, &SpectrumCalculator::Command2_Click);
}

std::optional<std::size_t> SpectrumCalculator::chosen() const {
    // The box takes no new entries, so its entries are the cases' items in the table's order.
    const int i = Combo1->findText(Combo1->text());
    if (i < 0) return std::nullopt;
    return static_cast<std::size_t>(i);
}

// The frequency is read first (a number beyond range faults there); a zero or negative frequency faults in the
// model, before the result label is touched; a case text that is no item leaves the level unset, and the label
// then shows an empty text.
void SpectrumCalculator::Command1_Click() {
    const Num f = Val(Text1->utf8());
    const std::optional<double> level = model_(f, chosen());
    Label3->setCaption(QString::fromStdString(Format(level, "###.#")));
}

void SpectrumCalculator::Command2_Click() { screens::show(graph_); }

}  // namespace px::noise
