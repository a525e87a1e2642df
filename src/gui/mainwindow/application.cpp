#include "gui/mainwindow/application.h"

#include <QFont>
#include <exception>

#include "core/files/settings.h"
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

int RunProgram(int argc, char* argv[]) {
    TApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAVRIN"));
    QApplication::setOrganizationName(QStringLiteral("HALVERN"));
    // Lets desktops match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.halvern.Tavrin"));
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 9));

    TSettingsStore store;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TMainForm mainForm(store, arguments);
    TSessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &TSessionEndWatcher::EndRequested, &mainForm,
                     &TMainForm::EndSession);
    mainForm.show();
    return QApplication::exec();
}
