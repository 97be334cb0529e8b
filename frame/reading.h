// The reading of the interface: Italian, the screens' own texts, or English.
//
// Every text a user sees or hears is written in Italian in the sources and goes through Qt's translation system
// (tr() in a screen, QT_TRANSLATE_NOOP or PX_TRANSLATE_NOOP where no object is at hand, translated where it is
// shown).  The Italian reading installs no translation of ours, so it shows the sources' texts byte for byte; the
// English one installs each subsystem's English catalogue compiled into the program (":/i18n/*_en.qm").
//
// Which reading: PELAGONIX_LANG=en|it for one run; otherwise the choice made on the selector, remembered between
// runs; otherwise the desktop's language where a translation exists (an English desktop reads English), and
// Italian for every other language, C and POSIX included.
#pragma once

#include <QString>

namespace px::reading {

enum class Reading { Italian, English };

// The reading this run starts with, from the variable, the remembered choice and the desktop, in that order.
Reading preferred();
// Installs the translations of that reading (ours and the toolkit's), replacing those of the reading before; the
// screens opened afterwards read it.
void apply(Reading reading);
Reading current();
// The user's choice: remembered between runs, and applied at once.
void choose(Reading reading);
// "it" or "en".
QString code(Reading reading);

}  // namespace px::reading
