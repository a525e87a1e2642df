#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// How a run of the real tavrin-cli ended.
struct TCliRun {
    int Status = -1;
    QProcess::ExitStatus Exit = QProcess::CrashExit;
    QString Errors;
    QString Output;
};

// Sets up a tavrin-cli process with its settings, backups and logs in
// `configFolder`; `extra` adds environment.
inline void PrepareCli(QProcess& process, const QString& configFolder,
                       const QProcessEnvironment& extra = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    // Backups and logs stay in the test's folder too.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), configFolder + QStringLiteral("/data"));
    for (const QString& name : extra.keys()) environment.insert(name, extra.value(name));
    process.setProcessEnvironment(environment);
    process.setProgram(QStringLiteral(TAVRIN_CLI_PATH));
}

// Runs tavrin-cli to its end.
inline TCliRun RunCli(const QStringList& arguments, const QString& configFolder,
                      const QProcessEnvironment& extra = {}) {
    QProcess process;
    PrepareCli(process, configFolder, extra);
    process.setArguments(arguments);
    process.start();
    const bool finished = process.waitForFinished(30000);
    if (!finished) process.kill();
    return {finished ? process.exitCode() : -1, process.exitStatus(),
            QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}
