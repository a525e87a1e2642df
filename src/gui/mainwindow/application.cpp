#include "gui/mainwindow/application.h"

#include <QFont>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/files/settings.h"
#include "gui/dialogs/versiontexts.h"
#include "gui/kit/language.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/radioart.h"
#include "gui/mainwindow/mainform.h"
#include "gui/mainwindow/sessionend.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        // Mostly an ECommError: a serial port that failed in the middle of a
        // command. Its message says what happened, and the user can try again.
        ShowMessage(nullptr, QString::fromStdString(error.what()), TMessageStyle::Error);
    }
    return false;
}

namespace {

constexpr char kUsageText[] =
    "Usage: tavrin [--help | --version] [FILE.tvr | /tbf]\n"
    "Reads, edits and writes the memory channels and settings of the transceiver.\n"
    "\n"
    "  FILE.tvr   opens the data file (a path with blanks may be given unquoted)\n"
    "  /tbf       shows the Tone Burst setting on the menu pages\n"
    "  --help     shows this text\n"
    "  --version  shows the version\n"
    "\n"
    "The transceiver is programmed from the command line with tavrin-cli.\n";

}  // namespace

namespace {

TProgramAnswer UsageError(const QString& problem) {
    return {2, QStringLiteral("tavrin: %1\nTry 'tavrin --help'.\n").arg(problem)};
}

bool IsToneBurstOption(const QString& argument) {
    return argument == QLatin1String("/tbf") || argument == QLatin1String("/TBF");
}

}  // namespace

std::optional<TProgramAnswer> AnswerCommandLine(QStringList arguments) {
    if (arguments.isEmpty()) return std::nullopt;
    if (arguments.size() == 1) {
        const QString& only = arguments.constFirst();
        if (only == QLatin1String("--help") || only == QLatin1String("-h")) {
            return TProgramAnswer{0, QString::fromLatin1(kUsageText)};
        }
        if (only == QLatin1String("--version")) {
            return TProgramAnswer{0,
                                  QStringLiteral("TAVRIN %1\n").arg(QLatin1String(kVersionText))};
        }
        if (IsToneBurstOption(only)) return std::nullopt;
    }
    if (arguments.constFirst() == QLatin1String("--")) {
        arguments.removeFirst();
        if (arguments.isEmpty()) return std::nullopt;
    } else {
        for (const QString& argument : arguments) {
            if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
                return UsageError(QStringLiteral("unknown option %1").arg(argument));
            }
        }
    }
    // A path with blanks may come in pieces; the window joins them again.
    const QString path = arguments.join(QLatin1Char(' '));
    if (!HasDataFileExtension(path)) {
        return UsageError(
            QStringLiteral("'%1' is not a data file name (.tvr)").arg(VisibleFileName(path)));
    }
    return std::nullopt;
}

namespace {

// The names desktops know the program by, its icon on every window and its font.
void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("TAVRIN"));
    QApplication::setOrganizationName(QStringLiteral("HALVERN"));
    // Lets desktops match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.halvern.Tavrin"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 9));
}

void SayOnTerminal(const QString& note) {
    if (note.isEmpty()) return;
    std::fputs(QStringLiteral("tavrin: %1\n").arg(note).toLocal8Bit().constData(), stderr);
}

}  // namespace

int RunProgram(int argc, char* argv[]) {
    // Help, version and usage errors are answered on the terminal, without a
    // window or a display; only data files and /tbf reach the window.
    QStringList given;
    for (int index = 1; index < argc; ++index) given << QString::fromLocal8Bit(argv[index]);
    if (const std::optional<TProgramAnswer> answer = AnswerCommandLine(given)) {
        std::fputs(answer->Text.toLocal8Bit().constData(), answer->Status == 0 ? stdout : stderr);
        return answer->Status;
    }
    TApplication application(argc, argv);
    SetUpApplication();
    TSettingsStore store;
    InstallTranslations(application,
                        EffectiveLanguage(store.Read(kLanguageSetting), QLocale::system()));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // Watched before any window, so that an end signal is never held up by a
    // dialog. Until the main window is there, nothing can have changed, and the
    // signal ends the program as it would any other; after that the user's work
    // is kept first, and every dialog still open ends with the event loop.
    TSessionEndWatcher sessionEnd;
    std::unique_ptr<TMainForm> mainForm;
    bool ending = false;
    QObject::connect(&sessionEnd, &TSessionEndWatcher::EndRequested, &application,
                     [&mainForm, &ending](int signal) {
                         if (!mainForm || ending) EndBySignal(signal);
                         ending = true;
                         SayOnTerminal(mainForm->EndSession());
                         QCoreApplication::exit(0);
                     });
    mainForm = std::make_unique<TMainForm>(store, arguments);
    // Shown from the event loop: a message box the start-up shows (a data file
    // that cannot be opened) is then ended by a signal like any other dialog.
    QMetaObject::invokeMethod(mainForm.get(), &QWidget::show, Qt::QueuedConnection);
    return QApplication::exec();
}
