#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "support/qtprinters.h"

// Points the per-user settings store, and the user's data folder with the
// program's backups and logs, at a fresh temporary folder for one test.
class TTempSettings {
public:
    TTempSettings()
        : OldDataHome(qgetenv("XDG_DATA_HOME")),
          HadDataHome(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Folder.path());
        qputenv("XDG_DATA_HOME", DataHome().toLocal8Bit());
    }
    ~TTempSettings() {
        if (HadDataHome) {
            qputenv("XDG_DATA_HOME", OldDataHome);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }
    TTempSettings(const TTempSettings&) = delete;
    TTempSettings& operator=(const TTempSettings&) = delete;

    // Where the user's data folders are during the test.
    QString DataHome() const { return Folder.filePath(QStringLiteral("data")); }

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
    QByteArray OldDataHome;
    bool HadDataHome;
};
