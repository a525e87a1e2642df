#include "gui/mainwindow/radiocommands.h"

#include <QAction>
#include <QWidget>

#include "core/files/settings.h"
#include "core/model/radiodata.h"
#include "core/radio/writechecks.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/portcommands.h"
#include "gui/mainwindow/undocommands.h"
#include "gui/radio/cdisplayform.h"
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

TRadioCommands::TRadioCommands(TDocument& document, TUndoCommands& undo, TPortCommands& ports,
                               TSettingsStore& store, QObject* parent)
    : QObject(parent), Document(document), Undo(undo), Ports(ports), Store(store) {
    MakeActions();
    ConnectActions();
}

void TRadioCommands::MakeActions() {
    ReadAll = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&All"), 65);
    ReadMemory = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Memory"), 65);
    ReadMenu = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "M&enu"), 65);
    WriteAll = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&All"), 70);
    WriteMemory = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Memory"), 70);
    WriteMenu = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "M&enu"), 70);
    VerifyAfterWriting =
        MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Verify after writing"), 70);
    VerifyAfterWriting->setCheckable(true);
    VerifyAfterWriting->setChecked(LoadVerifyAfterWriting(Store));
    LogCommunication = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Log Communication"), 115);
    LogCommunication->setCheckable(true);
    LogCommunication->setChecked(LoadLogCommunication(Store));
    ChannelDisplay = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Channel Display..."), 80);
}

void TRadioCommands::ConnectActions() {
    connect(ReadAll, &QAction::triggered, this, &TRadioCommands::ReadAllClick);
    connect(ReadMemory, &QAction::triggered, this, &TRadioCommands::ReadMemoryClick);
    connect(ReadMenu, &QAction::triggered, this, &TRadioCommands::ReadMenuClick);
    connect(WriteAll, &QAction::triggered, this, &TRadioCommands::WriteAllClick);
    connect(WriteMemory, &QAction::triggered, this, &TRadioCommands::WriteMemoryClick);
    connect(WriteMenu, &QAction::triggered, this, &TRadioCommands::WriteMenuClick);
    connect(ChannelDisplay, &QAction::triggered, this, &TRadioCommands::ChannelDisplayClick);
    // Stored at once: a crash later must not forget that the user asked for logs.
    connect(LogCommunication, &QAction::toggled, this,
            [this](bool on) { SaveLogCommunication(Store, on); });
    connect(VerifyAfterWriting, &QAction::toggled, this,
            [this](bool on) { SaveVerifyAfterWriting(Store, on); });
}

void TRadioCommands::ReadAllClick() {
    ReadFromRadio(TTransferScope::All);
}

void TRadioCommands::ReadMemoryClick() {
    ReadFromRadio(TTransferScope::Memory);
}

void TRadioCommands::ReadMenuClick() {
    ReadFromRadio(TTransferScope::Menu);
}

void TRadioCommands::WriteAllClick() {
    WriteToRadio(TTransferScope::All);
}

void TRadioCommands::WriteMemoryClick() {
    WriteToRadio(TTransferScope::Memory);
}

void TRadioCommands::WriteMenuClick() {
    WriteToRadio(TTransferScope::Menu);
}

// The 1750 Hz tone setting is exchanged only when the window shows it, and it
// never does for the U.S.A./Canada market.
bool TRadioCommands::ToneBurstShown() const {
    return ::ToneBurstShown(Document.ToneBurst(), Document.Data());
}

// A read may have stopped anywhere, so the window is built again and the data
// counts as changed whatever the outcome. A completed read starts a new
// history; what a read that stopped early left is one step, which Undo takes
// back to the data as it was before the read.
void TRadioCommands::ReadFromRadio(TTransferScope scope) {
    const bool toneBurstShown = ToneBurstShown();
    Document.ParkFocus();
    if (!Ports.CheckSelectedPort()) {
        Document.Window()->activateWindow();
        return;
    }
    if (!Document.ConfirmDiscardChanges()) return;
    // The data as it is now is the step Undo goes back to should the read stop early.
    Undo.RecordStep();
    // The old data is let go: whatever the read brings is a new, untitled data set.
    Document.Data().Changed = false;
    Document.SetFileName(kUntitled);
    TReadForm form(Document, scope, toneBurstShown);
    ExecModal(form);
    Document.ShowDataSet(TDataSetShown::Read);
    Document.Data().Changed = true;
    if (form.Outcome() == TExchangeOutcome::Done) {
        Undo.Reset();
    } else {
        Undo.RecordStep();
    }
    Document.Window()->activateWindow();
}

void TRadioCommands::WriteToRadio(TTransferScope scope) {
    if (!Document.StoreCellEdit()) return;
    const bool toneBurstShown = ToneBurstShown();
    QWidget* window = Document.Window();
    if (!CheckRules(window, Document.Data(), scope, toneBurstShown)) return;
    if (!ConfirmScanChannel(window, Document.Data(), scope)) return;
    if (Ports.CheckSelectedPort() &&
        ShowMessage(window,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Do you want to write the data to the transceiver?")),
                    TMessageStyle::YesNoQuestion) == TMessageAnswer::Yes) {
        TWriteForm form(Document, scope, toneBurstShown, VerifyAfterWriting->isChecked());
        ExecModal(form);
    }
    window->activateWindow();
}

void TRadioCommands::ChannelDisplayClick() {
    if (!Ports.CheckSelectedPort()) return;
    if (ShowMessage(Document.Window(),
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Confirm that the transceiver has been connected to the PC.")),
                    TMessageStyle::OkCancelQuestion) != TMessageAnswer::Ok) {
        return;
    }
    TCDisplayForm form(Document);
    ExecModal(form);
}
