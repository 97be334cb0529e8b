#include "home.h"

#include "cover.h"
#include "glossary.h"
#include "selector.h"
#include "sheets.h"

namespace px {
void registerHomeScreens() {
    screens::add(QStringLiteral("Form1"), [] { return new Form1; });
    screens::add(QStringLiteral("Form13"), [] { return new Form13; });
    screens::add(QStringLiteral("Form17"), [] { return new Form17; });
    screens::add(QStringLiteral("Form18"), [] { return new Form18; });
    for (const Sheet& sheet : kSheets)
        screens::add(QString::fromUtf8(sheet.form), [&sheet] { return new AlgorithmSheet(sheet); });
}
}  // namespace px
