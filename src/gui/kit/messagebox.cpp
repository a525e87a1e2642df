#include "gui/kit/messagebox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace {

TMessageResponder& Responder() {
    static TMessageResponder responder;
    return responder;
}

QMessageBox::Icon IconOf(TMessageStyle style) {
    switch (style) {
        case TMessageStyle::Error:
            return QMessageBox::Critical;
        case TMessageStyle::Information:
            return QMessageBox::Information;
        case TMessageStyle::YesNoQuestion:
        case TMessageStyle::OkCancelQuestion:
            return QMessageBox::Question;
        default:
            return QMessageBox::Warning;
    }
}

QMessageBox::StandardButtons ButtonsOf(TMessageStyle style) {
    switch (style) {
        case TMessageStyle::YesNoQuestion:
            return QMessageBox::Yes | QMessageBox::No;
        case TMessageStyle::OkCancelQuestion:
        case TMessageStyle::OkCancelWarning:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case TMessageStyle::YesNoCancelWarning:
        case TMessageStyle::OverwriteSaveAsCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case TMessageStyle::PortWarning:
            return QMessageBox::Ok | QMessageBox::Yes;
        default:
            return QMessageBox::Ok;
    }
}

TMessageAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return TMessageAnswer::Yes;
        case QMessageBox::No:
            return TMessageAnswer::No;
        case QMessageBox::Cancel:
            return TMessageAnswer::Cancel;
        default:
            return TMessageAnswer::Ok;
    }
}

// A box ended without a button (the program is ending) gives the answer that
// does least: Cancel where there is one, else No, else OK.
TMessageAnswer AnswerOfNoButton(TMessageStyle style) {
    const auto buttons = ButtonsOf(style);
    if (buttons.testFlag(QMessageBox::Cancel)) return TMessageAnswer::Cancel;
    return buttons.testFlag(QMessageBox::No) ? TMessageAnswer::No : TMessageAnswer::Ok;
}

// The messages are looked up here, once for every box: a text without a
// translation (or built at run time) shows as it was given.
QString Translated(const QString& text) {
    return QCoreApplication::translate("Messages", text.toUtf8().constData());
}

}  // namespace

TMessageAnswer ShowMessage(QWidget* parent, const QString& text, TMessageStyle style,
                           const QString& detail) {
    const QString shown = Translated(text);
    if (Responder()) return Responder()({shown, style, detail});
    QMessageBox box(IconOf(style), QStringLiteral("TAVRIN"), shown, ButtonsOf(style), parent);
    box.setDetailedText(detail);
    // As with the platform's own boxes, the first button is the default one.
    const auto buttons = ButtonsOf(style);
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    if (style == TMessageStyle::OverwriteSaveAsCancel) {
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("Messages", "&Overwrite"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("Messages", "Save &As..."));
        box.setDefaultButton(QMessageBox::Cancel);
    }
    if (style == TMessageStyle::PortWarning) {
        QAbstractButton* ports = box.button(QMessageBox::Yes);
        ports->setText(QCoreApplication::translate("Messages", "&Ports..."));
        ports->setIcon(QIcon());  // not the Yes button's tick: it opens a window
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.exec();
    if (!box.clickedButton()) return AnswerOfNoButton(style);
    return AnswerOf(box.standardButton(box.clickedButton()));
}

void SetMessageResponder(TMessageResponder responder) {
    Responder() = std::move(responder);
}
