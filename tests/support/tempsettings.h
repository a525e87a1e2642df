#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "support/qtprinters.h"

// Points the per-user settings store at a fresh temporary folder for one test.
class TTempSettings {
public:
    TTempSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Folder.path());
    }

    // What the store holds now, read past any cache the program keeps.
    QString Value(const QString& name) const { return Settings().value(name).toString(); }
    bool Has(const QString& name) const { return Settings().contains(name); }
    void Set(const QString& name, const QString& value) {
        QSettings settings = Settings();
        settings.setValue(name, value);
    }
    QString FilePath() const { return Settings().fileName(); }

private:
    QSettings Settings() const {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("HALVERN"),
                         QStringLiteral("TAVRIN"));
    }
    QTemporaryDir Folder;
};
