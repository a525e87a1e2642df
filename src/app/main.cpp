#include <QFont>

#include "core/files/settings.h"
#include "gui/mainwindow/application.h"
#include "gui/mainwindow/mainform.h"
#include "gui/mainwindow/sessionend.h"

int main(int argc, char* argv[]) {
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
