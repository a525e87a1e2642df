#pragma once

#include <QObject>

class QAction;
class TDocument;
class TUndoCommands;

// Radio > Memory Channel Select and Model Select: the channel count and the
// configuration the data set is for.
class TModelCommands : public QObject {
    Q_OBJECT
public:
    TModelCommands(TDocument& document, TUndoCommands& undo, QObject* parent);

    void MemoryChannelSelectClick();
    void ModelSelectClick();

    QAction* MemoryChannelSelect = nullptr;
    QAction* ModelSelect = nullptr;

private:
    TDocument& Document;
    TUndoCommands& Undo;
};
