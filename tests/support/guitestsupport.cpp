#include "support/guitestsupport.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "gui/kit/modal.h"

TScriptedMessages::TScriptedMessages() {
    SetMessageResponder([this](const TShownMessage& message) {
        ShownMessages.push_back(message);
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected message: " << message.Text.toStdString();
            return TMessageAnswer::Cancel;
        }
        const TMessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    });
}

TScriptedMessages::~TScriptedMessages() {
    SetMessageResponder({});
    EXPECT_TRUE(Answers.empty()) << Answers.size() << " scripted answers were not used";
}

QStringList TScriptedMessages::Texts() const {
    QStringList texts;
    for (const TShownMessage& message : ShownMessages) texts.append(message.Text);
    return texts;
}

TScriptedFileDialogs::TScriptedFileDialogs() {
    SetFileDialogResponder([this](const TFileDialogRequest& request) {
        Seen.push_back(request);
        if (Choices.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return QString();
        }
        const QString choice = Choices.front();
        Choices.pop_front();
        return choice;
    });
}

TScriptedFileDialogs::~TScriptedFileDialogs() {
    SetFileDialogResponder({});
    EXPECT_TRUE(Choices.empty()) << Choices.size() << " scripted file choices were not used";
}

TScriptedDialogs::TScriptedDialogs() {
    SetModalResponder([this](QDialog& dialog) {
        ++Handled;
        if (Handlers.empty()) {
            ADD_FAILURE() << "unexpected dialog: " << dialog.metaObject()->className();
            return static_cast<int>(QDialog::Rejected);
        }
        const THandler handler = std::move(Handlers.front());
        Handlers.pop_front();
        return handler(dialog);
    });
}

TScriptedDialogs::~TScriptedDialogs() {
    SetModalResponder({});
    EXPECT_TRUE(Handlers.empty()) << Handlers.size() << " scripted dialog handlers were not used";
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &release);
    }
}

void TypeIntoView(QAbstractItemView* view, const QString& text) {
    TypeText(view, text.left(1));
    QWidget* editor = QApplication::focusWidget();
    TypeText(editor ? editor : view, text.mid(1));
}
