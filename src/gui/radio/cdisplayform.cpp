#include "gui/radio/cdisplayform.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/model/radiodata.h"
#include "core/ports/portnames.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"
#include "gui/radio/windowlog.h"

namespace {

constexpr int kChannelDisplayContext = 80;

}  // namespace

TCDisplayForm::TCDisplayForm(TWorkspace& workspace)
    : QDialog(workspace.Window()), Runner(*this), Workspace(workspace) {
    setWindowTitle(tr("Channel Display"));
    SetHelpContext(this, kChannelDisplayContext);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    BuildControls();
}

void TCDisplayForm::BuildControls() {
    ProtectBox = new QCheckBox(tr("Channel Display Protect"), this);
    ProtectBox->setObjectName(QStringLiteral("CheckBox_Protect"));
    SetHelpContext(ProtectBox, kChannelDisplayContext);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("Button_OK"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("Button_CANCEL"));
    connect(OKButton, &QPushButton::clicked, this, &TCDisplayForm::OKClick);
    connect(CancelButton, &QPushButton::clicked, this, &TCDisplayForm::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProtectBox);
    EndWithButtons(layout, {OKButton, CancelButton});
}

void TCDisplayForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    // Started from the event loop, once exec() is there to see the dialog close.
    QTimer::singleShot(0, this, &TCDisplayForm::FormShow);
}

void TCDisplayForm::FormShow() {
    const std::string device = PortDeviceName(PortNumberOf(Workspace.CommPort()));
    // One log for the dialog's query and setting; it closes with the dialog.
    AttachWindowLog(Workspace, Runner.Port, TExchangeKind::Display, TTransferScope::All, device);
    Runner.Query(device);
    UpdateButtons();
}

void TCDisplayForm::OKClick() {
    // One flow at a time: the query may still be asking.
    if (Runner.Exchange().Busy()) return;
    const int number = PortNumberOf(Workspace.CommPort());
    if (!Runner.Port.CheckCommportValid(SelectedPortDeviceName(PortText(number)))) {
        ShowMessage(
            this,
            QStringLiteral(QT_TRANSLATE_NOOP(
                "Messages",
                "The selected COM port is unavailable.\nPlease check the COM port status.")),
            TMessageStyle::Warning);
        reject();
        return;
    }
    Runner.Set(PortDeviceName(number), ProtectBox->isChecked());
    UpdateButtons();
}

// OK waits while a flow runs; Cancel is there at any time.
void TCDisplayForm::UpdateButtons() {
    OKButton->setEnabled(!Runner.Exchange().Busy());
}

void TCDisplayForm::ShowProtection(bool isProtected) {
    ProtectBox->setChecked(isProtected);
}

void TCDisplayForm::ShowError(const std::string& message) {
    ShowMessage(this, QString::fromStdString(message), TMessageStyle::Error);
}

void TCDisplayForm::FlowEnded(TDisplayOutcome outcome) {
    UpdateButtons();
    if (outcome == TDisplayOutcome::Set) {
        accept();
    } else if (outcome == TDisplayOutcome::Queried) {
        emit QueryEnded();
    } else {
        reject();
    }
}

void TCDisplayForm::reject() {
    Runner.Stop();
    QDialog::reject();
}
