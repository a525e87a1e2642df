#pragma once

#include <QApplication>

// The program's application object. An exception must never unwind into
// Qt's event loop, so one that reaches the end of an event handler is shown
// to the user and the event counts as unhandled.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// What "tavrin --help" (or -h) and "tavrin --version" print; null for any other
// command line, whose one argument is a data file or /tbf.
const char* ProgramInformation(int argc, char* argv[]);

// The program: the application object, the main window on the settings store,
// and the event loop until the window closes or the session ends.
int RunProgram(int argc, char* argv[]);
