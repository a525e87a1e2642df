// Runs the program's application object with event handlers that throw, and
// prints every message it shows, one a line, as style and text.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "core/radio/kcomm.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/application.h"

namespace {

const QEvent::Type kCommFailure = static_cast<QEvent::Type>(QEvent::User + 1);
const QEvent::Type kOtherFailure = static_cast<QEvent::Type>(QEvent::User + 2);

class TThrower : public QObject {
protected:
    void customEvent(QEvent* event) override {
        if (event->type() == kCommFailure) throw ECommError("WriteFile Error:%d", 5);
        throw std::runtime_error("other failure");
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    SetMessageResponder([](const TShownMessage& message) {
        std::printf("%d %s\n", static_cast<int>(message.Style), qPrintable(message.Text));
        return TMessageAnswer::Ok;
    });
    TThrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(kCommFailure));
    QCoreApplication::postEvent(&thrower, new QEvent(kOtherFailure));
    // Reached only if the loop survived both.
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(7); });
    return QCoreApplication::exec();
}
