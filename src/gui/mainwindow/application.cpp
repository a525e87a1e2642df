#include "gui/mainwindow/application.h"

#include <QFont>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "core/files/settings.h"
#include "gui/dialogs/versiontexts.h"
#include "gui/kit/language.h"
#include "gui/kit/messagebox.h"
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
    "Usage: tavrin [FILE.tvr | /tbf]\n"
    "Reads, edits and writes the memory channels and settings of the transceiver.\n"
    "\n"
    "  FILE.tvr   opens the data file (a path with blanks may be given unquoted)\n"
    "  /tbf       shows the Tone Burst setting on the menu pages\n"
    "  --help     shows this text\n"
    "  --version  shows the version\n"
    "\n"
    "The transceiver is programmed from the command line with tavrin-cli.\n";

}  // namespace

const char* ProgramInformation(int argc, char* argv[]) {
    if (argc != 2) return nullptr;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        return kUsageText;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        static const std::string version = std::string("TAVRIN ") + kVersionText + "\n";
        return version.c_str();
    }
    return nullptr;
}

int RunProgram(int argc, char* argv[]) {
    // Help and version are answered on the terminal, without a window or a display.
    if (const char* information = ProgramInformation(argc, argv)) {
        std::fputs(information, stdout);
        return 0;
    }
    TApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAVRIN"));
    QApplication::setOrganizationName(QStringLiteral("HALVERN"));
    // Lets desktops match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.halvern.Tavrin"));
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 9));

    TSettingsStore store;
    InstallTranslations(application,
                        EffectiveLanguage(store.Read(kLanguageSetting), QLocale::system()));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TMainForm mainForm(store, arguments);
    TSessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &TSessionEndWatcher::EndRequested, &mainForm,
                     &TMainForm::EndSession);
    mainForm.show();
    return QApplication::exec();
}
