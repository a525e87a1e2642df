// The main window's Radio > Read and Radio > Write commands, around the dialogs that run them.
#include <QAction>
#include <QTabWidget>
#include <QToolButton>

#include "app/mainform.h"
#include "app/messagebox.h"
#include "app/modal.h"
#include "data/channelrecord.h"
#include "link/readform.h"
#include "link/writeform.h"
#include "workspace/channelgrids.h"

namespace {

// Menu slot 3 turns on the scan that needs a special channel: "1" Priority
// Scan (the PR channel), "2" Weather Alert (the AL channel).
constexpr int kSpecialScanSlot = 3;
constexpr char kPriorityScan[] = "1";
constexpr char kWeatherAlert[] = "2";

bool HasNoFrequency(const TRadioData& data, int record) {
    return ExtractField(data.GetChannel(record), kRxFreqField, false).empty();
}

// The question before a full write that would switch a scan on without its channel.
QString MissingScanChannelQuestion(const TRadioData& data) {
    const std::string scan = data.GetMenuSlot(kSpecialScanSlot);
    if (scan == kPriorityScan && HasNoFrequency(data, TRadioData::kPriorityRecord)) {
        return QStringLiteral(
            "Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is "
            "configured.");
    }
    if (scan == kWeatherAlert && HasNoFrequency(data, TRadioData::kWeatherAlertRecord)) {
        return QStringLiteral(
            "Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency "
            "is configured.");
    }
    return {};
}

// The reminder before a menu write that switches a scan on: its channel must stay.
QString ScanChannelNotice(const TRadioData& data) {
    const std::string scan = data.GetMenuSlot(kSpecialScanSlot);
    if (scan == kPriorityScan) {
        return QStringLiteral(
            "Priority Scan is turned ON.\nYou cannot delete the PR channel frequency when "
            "Priority Scan is ON.");
    }
    if (scan == kWeatherAlert) {
        return QStringLiteral(
            "Weather Alert is turned ON.\nYou cannot delete the AL channel frequency when "
            "Weather Alert is ON.");
    }
    return {};
}

// False when the user stops the write at the question.
bool ConfirmScanChannel(QWidget* parent, const TRadioData& data, TTransferScope scope) {
    if (scope == TTransferScope::All) {
        const QString question = MissingScanChannelQuestion(data);
        return question.isEmpty() ||
               ShowMessage(parent, question, TMessageStyle::OkCancelWarning) == TMessageAnswer::Ok;
    }
    if (scope == TTransferScope::Menu) {
        const QString notice = ScanChannelNotice(data);
        if (!notice.isEmpty()) ShowMessage(parent, notice, TMessageStyle::Warning);
    }
    return true;
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
    return ToneBurst() && RadioData.MarketLetter() != 'K';
}

void TMainForm::ReadFromRadio(TTransferScope scope) {
    const bool toneBurstShown = ToneBurstShown();
    PageControl1->setFocus();
    if (!CheckSelectedPort()) {
        activateWindow();
        return;
    }
    if (!ConfirmDiscardChanges()) return;
    // The old data is let go: whatever the read brings is a new, untitled data set.
    RadioData.Changed = false;
    SetFileName(kUntitled);
    TReadForm form(*this, scope, toneBurstShown);
    ExecModal(form);
    ShowReadData();
    activateWindow();
}

// A read may have stopped anywhere, so the window is rebuilt and the data
// counts as changed whatever the outcome.
void TMainForm::ShowReadData() {
    SetupGrids();
    Grids->SelectRow(TChannelGrids::kMemoryGrid, 1);
    Grids->SelectRow(TChannelGrids::kDtmfGrid, 1);
    UpdateCommentFont();
    UpdateMarketControls();
    RefreshGrids();
    UpdateCaption();
    PageControl1Change();
    RadioData.Changed = true;
    ResetUndoHistory();
}

void TMainForm::WriteToRadio(TTransferScope scope) {
    const bool toneBurstShown = ToneBurstShown();
    if (!ConfirmScanChannel(this, RadioData, scope)) return;
    if (CheckSelectedPort() &&
        ShowMessage(this, QStringLiteral("Do you want to write the data to the transceiver?"),
                    TMessageStyle::YesNoQuestion) == TMessageAnswer::Yes) {
        TWriteForm form(*this, scope, toneBurstShown, Menu.VerifyAfterWriting1->isChecked());
        ExecModal(form);
    }
    activateWindow();
}
