#include "gui/mainwindow/application.h"

#include <exception>

#include "gui/kit/messagebox.h"

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
