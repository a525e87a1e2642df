#pragma once

#include <QLocale>
#include <QString>
#include <vector>

class QCoreApplication;
class TSettingsStore;

// The languages the windows speak. English is the program's own; the others
// come from translations built into the program.
struct TLanguage {
    const char* Code;  // "en", "de", "ja"
    const char* Name;  // in its own language, as the Language menu shows it
};
const std::vector<TLanguage>& Languages();

// The settings key of the language chosen in Help > Language; empty or absent
// means the desktop's language.
inline const QString kLanguageSetting = QStringLiteral("Language");

// The language the windows show: the chosen one when it is known, else the
// desktop's when there is a translation for it, else English.
QString EffectiveLanguage(const QString& chosen, const QLocale& desktop);

// Installs the translations of the program and of Qt's own dialogs for
// `language` in place of those installed before; English installs none. False when a translation
// that should be there could not be loaded (the windows then stay English).
bool InstallTranslations(QCoreApplication& application, const QString& language);

// The language the windows show since InstallTranslations: "en" before it, or
// when the program's translation could not be loaded.
QString ShownLanguage();
