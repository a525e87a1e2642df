#pragma once

// An X server of its own for tests that run the program as a person would, with
// the real window system (xcb) instead of the offscreen one.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <string>

inline constexpr int kXServerBound = 20000;  // ms, for the X server and for each answer

// The next line a process writes; empty when none came in time.
inline std::string NextLine(QProcess& process) {
    const QDeadlineTimer deadline(kXServerBound);
    while (!process.canReadLine() && process.state() == QProcess::Running &&
           process.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
    }
    return process.readLine().trimmed().toStdString();
}

inline void Stop(QProcess& process) {
    process.kill();
    process.waitForFinished(kXServerBound);
}

// Xvfb on a free display number, ended with the test.
class TXServer {
public:
    ~TXServer() { End(); }

    // The display, or empty with `failure` saying why.
    QString Start(std::string& failure) {
        for (int number = 70; number < 200; ++number) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            if (QFile::exists(socket) ||
                QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
                continue;
            }
            const QString display = QStringLiteral(":%1").arg(number);
            // The server writes its display number to -displayfd once it takes connections.
            Server.start(QStringLiteral("Xvfb"), {display, "-screen", "0", "1024x768x24",
                                                  "-nolisten", "tcp", "-displayfd", "1"});
            if (!Server.waitForStarted(kXServerBound)) {
                failure = "Xvfb cannot be started: " + Server.errorString().toStdString();
                return {};
            }
            if (!NextLine(Server).empty() && QFile::exists(socket)) return display;
            failure = "Xvfb did not come up on " + display.toStdString();
            End();  // another server took the number meanwhile: try the next
        }
        return {};
    }

private:
    // Asked to end, the server removes its socket and lock file.
    void End() {
        Server.terminate();
        if (!Server.waitForFinished(kXServerBound)) Stop(Server);
    }

    QProcess Server;
};

// Starts `program` on `display` with settings of its own in `folder`, where the
// chosen transceiver is already stored as `model` and `type`.
inline void StartOnDisplay(QProcess& process, const QString& program, const QStringList& arguments,
                           const QString& display, const QString& folder, const char* model,
                           const char* type) {
    QDir().mkpath(folder + "/HALVERN");
    QFile settings(folder + "/HALVERN/TAVRIN.ini");
    if (settings.open(QIODevice::WriteOnly)) {
        settings.write(QByteArray("[General]\nModel=") + model + "\nType=" + type + "\n");
    }
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", display);
    environment.insert("XDG_CONFIG_HOME", folder);
    environment.insert("XDG_RUNTIME_DIR", folder);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForStarted(kXServerBound);
}
