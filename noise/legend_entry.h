// A legend entry of the noise graphs: its caption in its curve's colour; a colour too light to read on the
// screen's face (white, yellow, green) keeps its colour and gains a thin dark outline.
#pragma once

#include <QColor>

#include "controls.h"

namespace px::noise {

class LegendEntry : public Label {
    Q_OBJECT
public:
    LegendEntry(QWidget* parent, const QString& name, const QString& caption, Rect place, FontSpec font,
                const QColor& colour);
    // Whether the letters are outlined.
    bool outlined() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace px::noise
