// What the benchmarks share: a screen opened afresh through the show operation, painted as on screen.
#pragma once

#include <QAbstractButton>
#include <QString>

#include "scenario.h"
#include "screen.h"

namespace pxbench {

// Shows a screen and handles every event its opening caused, its first paint included.
inline px::Screen* openScreen(const char* name) {
    px::Screen* s = px::screens::show(QString::fromLatin1(name));
    px::Scenario::settle();
    return s;
}

// Closes a screen and lets it be destroyed.
inline void closeScreen(const char* name) {
    if (px::Screen* s = px::screens::find(QString::fromLatin1(name))) s->close();
    px::Scenario::settle();
}

// Presses a button of an open screen as a click does, and handles the repaint it causes.
inline void press(px::Screen* s, const char* button) {
    if (auto* b = qobject_cast<QAbstractButton*>(s->control(QString::fromLatin1(button)))) b->click();
    px::Scenario::settle();
}

}  // namespace pxbench
