#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"

// Answers the program's message boxes from a script and records what was shown.
// A message nobody scripted fails the test and is answered with Cancel.
class TScriptedMessages {
public:
    TScriptedMessages();
    ~TScriptedMessages();
    void Answer(TMessageAnswer answer) { Answers.push_back(answer); }
    const std::vector<TShownMessage>& Shown() const { return ShownMessages; }
    QStringList Texts() const;

private:
    std::deque<TMessageAnswer> Answers;
    std::vector<TShownMessage> ShownMessages;
};

// Chooses files in the open and save dialogs; an empty choice is Cancel. A dialog
// nobody scripted, or a choice never asked for, fails the test.
class TScriptedFileDialogs {
public:
    TScriptedFileDialogs();
    ~TScriptedFileDialogs();
    void Choose(const QString& path) { Choices.push_back(path); }
    const std::vector<TFileDialogRequest>& Requests() const { return Seen; }

private:
    std::deque<QString> Choices;
    std::vector<TFileDialogRequest> Seen;
};

// Handles the program's modal dialogs one by one instead of a person. A dialog
// nobody scripted, or a handler that never got its dialog, fails the test.
class TScriptedDialogs {
public:
    using THandler = std::function<int(QDialog&)>;
    TScriptedDialogs();
    ~TScriptedDialogs();
    void Then(THandler handler) { Handlers.push_back(std::move(handler)); }
    int Count() const { return Handled; }

private:
    std::deque<THandler> Handlers;
    int Handled = 0;
};

class QAbstractItemView;
class QWidget;

// Types a text into a widget as key presses, any characters included.
void TypeText(QWidget* widget, const QString& text);
// Types into an item view's current cell as a user does: the first key opens
// the cell's editor and the others go to whatever holds the keyboard then.
void TypeIntoView(QAbstractItemView* view, const QString& text);
