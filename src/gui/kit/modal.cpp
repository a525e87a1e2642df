#include "gui/kit/modal.h"

#include <QCoreApplication>
#include <QDialog>

namespace {

TModalResponder& Responder() {
    static TModalResponder responder;
    return responder;
}

}  // namespace

int ExecModal(QDialog& dialog) {
    const int result = Responder() ? Responder()(dialog) : dialog.exec();
    if (QWidget* owner = dialog.parentWidget()) {
        QCoreApplication::postEvent(owner->window(), new QEvent(DialogClosedEvent()));
    }
    return result;
}

QEvent::Type DialogClosedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void SetModalResponder(TModalResponder responder) {
    Responder() = std::move(responder);
}
