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

}  // namespace

std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]) {
    if (CommandOf(argc, argv) != QLatin1String("pdf")) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    // Drawing text needs the fonts of a GUI application, though no window is shown.
    if (!HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
