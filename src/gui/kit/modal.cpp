#include "gui/kit/modal.h"

#include <QDialog>

namespace {

TModalResponder& Responder() {
    static TModalResponder responder;
    return responder;
}

}  // namespace

int ExecModal(QDialog& dialog) {
    if (Responder()) return Responder()(dialog);
    return dialog.exec();
}

void SetModalResponder(TModalResponder responder) {
    Responder() = std::move(responder);
}
