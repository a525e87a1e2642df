#include "gui/mainwindow/undocommands.h"

#include <QAction>
#include <QApplication>
#include <QScopedValueRollback>
#include <QWidget>

#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/document.h"

TUndoCommands::TUndoCommands(TDocument& document, QObject* parent)
    : QObject(parent), Document(document) {
    // Undo and Redo take back and bring back changes to the data set. Redo
    // answers to both the Windows and the desktop habit.
    Undo = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Undo"), 38,
                      QKeySequence(QStringLiteral("Ctrl+Z")));
    Redo = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Redo"), 39);
    Redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    connect(Undo, &QAction::triggered, this, &TUndoCommands::UndoClick);
    connect(Redo, &QAction::triggered, this, &TUndoCommands::RedoClick);
    // Typing makes one step until the text is left.
    connect(qApp, &QApplication::focusChanged, this, &TUndoCommands::EndMerge);
}

void TUndoCommands::RecordStep(int mergeSource) {
    if (Restoring) return;
    History.Record(Document.Data(), mergeSource, Document.FileName());
    UpdateActions();
}

void TUndoCommands::EndMerge() {
    History.EndMerge();
}

void TUndoCommands::Reset() {
    History.Reset(Document.Data(), Document.FileName());
    UpdateActions();
}

void TUndoCommands::MarkSaved(const QString& fileName) {
    History.MarkSaved(Document.Data(), fileName);
    UpdateActions();
}

void TUndoCommands::UpdateActions() {
    Undo->setEnabled(History.CanUndo());
    Redo->setEnabled(History.CanRedo());
}

void TUndoCommands::UndoClick() {
    if (History.Undo(Document.Data(), Document.FileName())) ShowRestoredData();
}

void TUndoCommands::RedoClick() {
    if (History.Redo(Document.Data(), Document.FileName())) ShowRestoredData();
}

// Showing a restored step may make the controls store what they show; that is
// no step of its own. The step's file comes back with it: Save goes there again.
void TUndoCommands::ShowRestoredData() {
    const QScopedValueRollback<bool> restoring(Restoring, true);
    if (History.FileName() != Document.FileName()) Document.SetFileName(History.FileName());
    Document.ShowDataSet(TDataSetShown::Restored);
    UpdateActions();
}
