#include <QGuiApplication>

#include "cli/clicommands.h"

namespace {

// The command named on the command line, read before the application exists.
QString CommandOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QString problem;
    const std::optional<TCliOptions> options = ParseCliOptions(arguments, problem);
    return options ? options->Command : QString();
}

bool HasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Under sudo or cron there is no runtime folder; the platform plugin makes a
// private one of its own and says so, which is nothing the user must act on.
// Every other message of Qt goes where it always goes.
QtMessageHandler QtsOwn = nullptr;

void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    QtsOwn(type, context, message);
}

}  // namespace

std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]) {
    if (CommandOf(argc, argv) != QLatin1String("pdf")) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    // Drawing text needs the fonts of a GUI application, though no window is shown.
    if (!HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QtsOwn = qInstallMessageHandler(QuietAboutRuntimeFolder);
    return std::make_unique<QGuiApplication>(argc, argv);
}
