#pragma once

#include <QApplication>
#include <QStringList>
#include <optional>

// The program's application object. An exception must never unwind into
// Qt's event loop, so one that reaches the end of an event handler is shown
// to the user and the event counts as unhandled.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// What the command line gets on the terminal before any window: "--help"
// (or -h) and "--version" their texts on standard output (status 0), an
// unknown option or a name that is no data file a usage error on standard
// error (status 2). Nothing for a data file (its path may come in pieces,
// joined with blanks), "/tbf" or no arguments: those go to the window.
struct TProgramAnswer {
    int Status = 0;
    QString Text;
};
std::optional<TProgramAnswer> AnswerCommandLine(QStringList arguments);

// The program: the application object, the main window on the settings store,
// and the event loop until the window closes or the session ends.
int RunProgram(int argc, char* argv[]);
