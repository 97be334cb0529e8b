#include "reading.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>
#include <optional>
#include <vector>

namespace px::reading {

namespace {

const char* const kSettingsKey = "reading";

Reading gCurrent = Reading::Italian;
std::vector<std::unique_ptr<QTranslator>> gInstalled;

std::optional<Reading> fromCode(QString code) {
    code = code.trimmed().toLower();
    if (code.startsWith(QLatin1String("en"))) return Reading::English;
    if (code.startsWith(QLatin1String("it"))) return Reading::Italian;
    return std::nullopt;
}

void install(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    gInstalled.push_back(std::move(translator));
}

}  // namespace

QString code(Reading reading) { return reading == Reading::English ? QStringLiteral("en") : QStringLiteral("it"); }

Reading preferred() {
    if (const auto forced = fromCode(qEnvironmentVariable("PELAGONIX_LANG"))) return *forced;
    const QSettings settings;
    if (const auto remembered = fromCode(settings.value(QLatin1String(kSettingsKey)).toString()))
        return *remembered;
    // The desktop's first language that has a reading; C and POSIX name none.
    for (const QString& language : QLocale::system().uiLanguages())
        if (const auto desktop = fromCode(language)) return *desktop;
    return Reading::Italian;
}

void apply(Reading reading) {
    for (const auto& translator : gInstalled)
        QCoreApplication::removeTranslator(translator.get());
    gInstalled.clear();
    gCurrent = reading;
    if (reading == Reading::English) {
        // The toolkit's own texts are English already; ours come from each subsystem's catalogue.
        const QDir catalogues(QStringLiteral(":/i18n"));
        for (const QString& file : catalogues.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(catalogues.filePath(file))) install(std::move(translator));
        }
        return;
    }
    // The screens' texts are Italian as written; the toolkit's (the fields' context menu, the buttons of message
    // boxes and dialogs) come from Qt's own translations, when installed.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(toolkit));
}

Reading current() { return gCurrent; }

void choose(Reading reading) {
    QSettings settings;
    settings.setValue(QLatin1String(kSettingsKey), code(reading));
    apply(reading);
}

}  // namespace px::reading
