#include "gui/mainwindow/modelcommands.h"

#include <QAction>

#include "gui/dialogs/modelform.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/undocommands.h"
#include "gui/pages/mchannelform.h"

TModelCommands::TModelCommands(TDocument& document, TUndoCommands& undo, QObject* parent)
    : QObject(parent), Document(document), Undo(undo) {
    MemoryChannelSelect =
        MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Memory Channel Select..."), 85);
    ModelSelect = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Model &Select..."), 90);
    connect(MemoryChannelSelect, &QAction::triggered, this,
            &TModelCommands::MemoryChannelSelectClick);
    connect(ModelSelect, &QAction::triggered, this, &TModelCommands::ModelSelectClick);
}

void TModelCommands::MemoryChannelSelectClick() {
    OpenMChannelForm(Document);
    Undo.RecordStep();
}

// A new model starts a new history (the window's ChangeModel); the window is
// shown again either way.
void TModelCommands::ModelSelectClick() {
    TModelForm form(Document);
    ExecModal(form);
    Document.ShowDataSet(TDataSetShown::ModelSelected);
}
