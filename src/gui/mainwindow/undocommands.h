#pragma once

#include <QObject>

#include "core/model/undohistory.h"

class QAction;
class TDocument;

// Edit > Undo and Redo: the history of the data set's contents, the steps the
// other commands record in it, and the document shown again after a step.
class TUndoCommands : public QObject {
    Q_OBJECT
public:
    // Typing merges into one step per source: the comment, or a menu slot 1..36.
    static constexpr int kCommentSource = 0;

    TUndoCommands(TDocument& document, QObject* parent);

    // One step for the change just made; steps of one merge source merge until
    // EndMerge. Showing a restored step records nothing.
    void RecordStep(int mergeSource = TUndoHistory::kSeparateStep);
    void EndMerge();
    // A new history from the data set as it is now.
    void Reset();
    // The data set's contents are now those of the file `fileName`.
    void MarkSaved(const QString& fileName);

    void UndoClick();
    void RedoClick();

    QAction* Undo = nullptr;
    QAction* Redo = nullptr;

private:
    void UpdateActions();
    void ShowRestoredData();

    TDocument& Document;
    TUndoHistory History;
    bool Restoring = false;
};
