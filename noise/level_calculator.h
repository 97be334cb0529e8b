// What the sea-noise and ship-noise calculators share: a frequency in kHz and a case chosen from a list, "Calcolo"
// shows the spectral level of the case's model at that frequency, "Grafici" opens the graph of all the cases.
#pragma once

#include <QStringList>
#include <cstddef>
#include <optional>

#include "numbers.h"
#include "screen.h"

namespace px::noise {

class SpectrumCalculator : public Screen {
    Q_OBJECT
public:
    void Command1_Click();
    void Command2_Click();

    Label *Label5, *Label1, *Label2, *Label4, *Label3, *Label6;
    NumericField* Text1;
    ChoiceBox* Combo1;
    Button *Command1, *Command2;
    Picture* Picture1;

protected:
    // The level at f kHz of the case at an index of the model's table, or none when no case is chosen.
    using Model = std::optional<double> (*)(Num f, std::optional<std::size_t> index);
    SpectrumCalculator(const QString& name, const QString& caption, const QString& graph, Model model);

    // The choice box of the cases: `items` are the model's cases in the order of its table, as the user reads them.
    ChoiceBox* cases(const QString& name, const QStringList& items, Rect place, FontSpec font);
    // Connects "Calcolo" and "Grafici" once the controls stand.
    void connectButtons();

private:
    // The index of the case whose item the choice box shows; none for a text that is no item.
    std::optional<std::size_t> chosen() const;

    QString graph_;
    Model model_;
};

}  // namespace px::noise
