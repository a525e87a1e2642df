#include "gui/pages/mchannelform.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string_view>

#include "core/model/modelcatalogue.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"

namespace {

constexpr int kChannelCountHelpContext = 85;

// A channel count as the choice names it: the channels from 0 up to the count.
QString CountChoice(std::string_view count) {
    if (count == "49") return TMChannelForm::tr("&50 channels");
    if (count == "99") return TMChannelForm::tr("&100 channels");
    return TMChannelForm::tr("&200 channels");
}

}  // namespace

TMChannelForm::TMChannelForm(TRadioData& data, QWidget* parent) : QDialog(parent), Data(data) {
    setWindowTitle(tr("Memory Channel Select"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    const TChannelCounts counts = ProfileOf(Data).ChannelCounts;
    SmallerCountRadio = new QRadioButton(CountChoice(counts.Smaller), group);
    LargerCountRadio = new QRadioButton(CountChoice(counts.Larger), group);
    for (QRadioButton* button : {SmallerCountRadio, LargerCountRadio}) {
        SetHelpContext(button, kChannelCountHelpContext);
        groupLayout->addWidget(button);
    }
    (Data.HasMemoryNames() ? SmallerCountRadio : LargerCountRadio)->setChecked(true);
    layout->addWidget(group);

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    connect(OkButton, &QPushButton::clicked, this, &TMChannelForm::OkClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    EndWithButtons(layout, {OkButton, CancelButton});
}

void TMChannelForm::OkClick() {
    const TMessageAnswer answer =
        ShowMessage(this, QCoreApplication::translate("Messages", kChannelCountQuestion),
                    TMessageStyle::YesNoQuestion);
    if (answer == TMessageAnswer::Yes) {
        const TChannelCounts counts = ChannelCountsOf(Data.GetModel());
        Data.SetMenuSlot(kChannelCountSlot,
                         SmallerCountRadio->isChecked() ? counts.Smaller : counts.Larger);
    }
    accept();
}

void OpenMChannelForm(TWorkspace& workspace) {
    TMChannelForm form(workspace.Data(), workspace.Window());
    ExecModal(form);
    workspace.MemoryLayoutChanged();
}
