// What a keyboard or a screen reader needs of every screen, without code of its own in the screens:
//
// - windows are windows named by their caption; labels are labels with their text; a numeric field, a choice box
//   and a result label are named by their caption label (the nearest label to their left or above on the same
//   screen or frame, or the one a layout names with `captionOf`), tied to it by a labelled-by relation;
// - a result label announces its new text; choosing a choice box's item through the accessibility bus sets its
//   text and runs its Click handler as a pick with the mouse does; the drawing of a screen is an element of its own
//   whose description says what it shows;
// - a clickable picture is a button: it takes the focus and Enter or Space presses it; Enter (and keypad Enter) in
//   a numeric field runs that screen's "Calcolo", on a focused button presses it; the focused control is marked by
//   a 2-pixel frame of the highlight colour;
// - a screen whose content is text (a sheet's page, the glossary) reads that text; a label without text is not
//   shown to a screen reader, and a control whose caption changes tells its new name;
// - the list of a choice box shows the box's choice as its selected item, whatever made the choice.
#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QWidget;

namespace px {

class Screen;

// Names a control after that caption label, where the nearest label to its left or above is not its caption.
void captionOf(QWidget* control, QWidget* caption);
// Names a control that has no caption label (a choice box whose first text says what it chooses).
void captionOf(QWidget* control, const QString& name);

// What the drawing of a screen shows, in words, for screen readers.  Without one, the description lists the
// screen's results with their captions.
void describeDrawing(Screen* screen, std::function<QString()> describe);

// The text a screen shows as a picture or prints on its window (an algorithm sheet's page, the glossary): it is the
// window's description and a read-only text element of the window, named `name`, in place of the drawing's.
void showsText(Screen* screen, const QString& name, std::function<QString()> text);

namespace accessibility {

// Installs the accessible interfaces of the controls, the keyboard handling and the focus frame.  Idempotent.
void install();

// Whether a label is a result label: bordered, and empty when its screen first showed.
bool isResult(const QWidget* label);
// Makes a label without a border a result label too: a screen reader hears each new text it shows.
void announcesItsText(QWidget* label);
// The caption label of a numeric field, choice box or result label, or nullptr.
QWidget* captionLabel(const QWidget* control);
// The name a screen reader reads for that control.
QString nameOf(const QWidget* control);
// The description of a screen's drawing (empty for a screen that draws nothing).
QString drawingDescription(const Screen* screen);

// The colour of the focus frame.
QColor focusColour();

}  // namespace accessibility

}  // namespace px
