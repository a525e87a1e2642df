// The main window's Radio > Read and Radio > Write commands, around the dialogs that run them.
#include <QAction>
#include <QTabWidget>
#include <QToolButton>

#include "core/radio/writechecks.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"
#include "gui/radio/readform.h"
#include "gui/radio/writeform.h"

namespace {

// False when the user stops the write at the question.
bool ConfirmScanChannel(QWidget* parent, const TRadioData& data, TTransferScope scope) {
    const TWriteCheck check = CheckBeforeWrite(data, scope);
    if (!check.Notice.empty()) {
        ShowMessage(parent, QString::fromStdString(check.Notice), TMessageStyle::Warning);
    }
    return check.Question.empty() ||
           ShowMessage(parent, QString::fromStdString(check.Question),
                       TMessageStyle::OkCancelWarning) == TMessageAnswer::Ok;
}

// False, with the records listed, when a record the write would send breaks the
// transceiver's rules: nothing is asked and no port is opened then.
bool CheckRules(QWidget* parent, const TRadioData& data, TTransferScope scope,
                bool toneBurstShown) {
    const TRuleBreaks breaks = RuleBreaksOfWrite(data, scope, toneBurstShown);
    if (!breaks.empty()) {
        ShowMessage(parent, QString::fromStdString(WriteRefusedMessage(breaks)),
                    TMessageStyle::Error);
    }
    return breaks.empty();
}

}  // namespace

void TMainForm::ConnectRadioTransfers() {
    connect(Menu.ReadAll1, &QAction::triggered, this, &TMainForm::All1Click);
    connect(Menu.ReadMemory1, &QAction::triggered, this, &TMainForm::Memory1Click);
    connect(Menu.ReadMenu1, &QAction::triggered, this, &TMainForm::Menu1Click);
    connect(Menu.WriteAll1, &QAction::triggered, this, &TMainForm::All2Click);
    connect(Menu.WriteMemory1, &QAction::triggered, this, &TMainForm::Memory2Click);
    connect(Menu.WriteMenu1, &QAction::triggered, this, &TMainForm::Menu2Click);
    connect(SpeedButtons.SpeedButton4, &QToolButton::clicked, this, &TMainForm::All1Click);
    connect(SpeedButtons.SpeedButton5, &QToolButton::clicked, this, &TMainForm::All2Click);
}

void TMainForm::All1Click() {
    ReadFromRadio(TTransferScope::All);
}

void TMainForm::Memory1Click() {
    ReadFromRadio(TTransferScope::Memory);
}

void TMainForm::Menu1Click() {
    ReadFromRadio(TTransferScope::Menu);
}

void TMainForm::All2Click() {
    WriteToRadio(TTransferScope::All);
}

void TMainForm::Memory2Click() {
    WriteToRadio(TTransferScope::Memory);
}

void TMainForm::Menu2Click() {
    WriteToRadio(TTransferScope::Menu);
}

// The 1750 Hz tone setting is exchanged only when the window shows it, and it
// never does for the U.S.A./Canada market.
bool TMainForm::ToneBurstShown() const {
    return ::ToneBurstShown(ToneBurst(), RadioData);
}

void TMainForm::ReadFromRadio(TTransferScope scope) {
    const bool toneBurstShown = ToneBurstShown();
    PageControl1->setFocus();
    if (!CheckSelectedPort()) {
        activateWindow();
        return;
    }
    if (!ConfirmDiscardChanges()) return;
    // The data as it is now is the step Undo goes back to should the read stop early.
    RecordUndoStep();
    // The old data is let go: whatever the read brings is a new, untitled data set.
    RadioData.Changed = false;
    SetFileName(kUntitled);
    TReadForm form(*this, scope, toneBurstShown);
    ExecModal(form);
    ShowReadData(form.Outcome() == TExchangeOutcome::Done);
    activateWindow();
}

// A read may have stopped anywhere, so the window is rebuilt and the data
// counts as changed whatever the outcome. A completed read starts a new history;
// what a read that stopped early left is one step, which Undo takes back to the
// data as it was before the read.
void TMainForm::ShowReadData(bool completed) {
    SetupGrids();
    Grids->SelectRow(TChannelGrids::kMemoryGrid, 1);
    Grids->SelectRow(TChannelGrids::kDtmfGrid, 1);
    UpdateCommentFont();
    UpdateMarketControls();
    RefreshGrids();
    UpdateCaption();
    PageControl1Change();
    RadioData.Changed = true;
    if (completed) {
        ResetUndoHistory();
    } else {
        RecordUndoStep();
    }
}

void TMainForm::WriteToRadio(TTransferScope scope) {
    if (!StoreCellEdit()) return;
    const bool toneBurstShown = ToneBurstShown();
    if (!CheckRules(this, RadioData, scope, toneBurstShown)) return;
    if (!ConfirmScanChannel(this, RadioData, scope)) return;
    if (CheckSelectedPort() &&
        ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Do you want to write the data to the transceiver?")),
                    TMessageStyle::YesNoQuestion) == TMessageAnswer::Yes) {
        TWriteForm form(*this, scope, toneBurstShown, Menu.VerifyAfterWriting->isChecked());
        ExecModal(form);
    }
    activateWindow();
}
