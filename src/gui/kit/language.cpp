#include "gui/kit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/model/messagewords.h"

const std::vector<TLanguage>& Languages() {
    static const std::vector<TLanguage> languages{
        {"en", "English"}, {"de", "Deutsch"}, {"ja", "日本語"}};
    return languages;
}

namespace {

bool IsKnownLanguage(const QString& code) {
    for (const TLanguage& language : Languages()) {
        if (code == QLatin1String(language.Code)) return true;
    }
    return false;
}

// Loads one translation and hands it to the application, which keeps it.
bool Install(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

QString& Shown() {
    static QString shown = QStringLiteral("en");
    return shown;
}

}  // namespace

QString EffectiveLanguage(const QString& chosen, const QLocale& desktop) {
    if (IsKnownLanguage(chosen)) return chosen;
    const QString code = QLocale::languageToCode(desktop.language());
    return IsKnownLanguage(code) ? code : QStringLiteral("en");
}

bool InstallTranslations(QCoreApplication& application, const QString& language) {
    // The translations installed before are let go: the last call decides.
    for (QTranslator* earlier :
         application.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    Shown() = QStringLiteral("en");
    SetMessageWords({});
    if (language == QLatin1String("en")) return true;
    const bool program =
        Install(application, QStringLiteral("tavrin_") + language, QStringLiteral(":/i18n"));
    if (program) Shown() = language;
    // The messages the core puts together take their words from the same translation.
    SetMessageWords([](const char* pattern) {
        return QCoreApplication::translate("Messages", pattern).toStdString();
    });
    // Qt's own dialogs and buttons; a system without them keeps them English.
    Install(application, QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return program;
}

QString ShownLanguage() {
    return Shown();
}
