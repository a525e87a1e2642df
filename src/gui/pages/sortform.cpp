#include "gui/pages/sortform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/memorysort.h"
#include "core/model/radiodata.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"

namespace {
constexpr int kSortHelpContext = 60;
}  // namespace

TSortForm::TSortForm(TRadioData& data, QWidget* parent) : QDialog(parent), Data(data) {
    setWindowTitle(tr("Memory Channel Sort"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    FrequencyRadio = new QRadioButton(tr("&Frequency"), group);
    NameRadio = new QRadioButton(tr("&Memory Name"), group);
    FrequencyRadio->setObjectName(QStringLiteral("RadioButton1"));
    NameRadio->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton* button : {FrequencyRadio, NameRadio}) {
        SetHelpContext(button, kSortHelpContext);
        groupLayout->addWidget(button);
    }
    FrequencyRadio->setChecked(true);
    NameRadio->setEnabled(Data.HasMemoryNames());
    layout->addWidget(group);

    SortButton = new QPushButton(tr("&Sort"), this);
    SortButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    SortButton->setObjectName(QStringLiteral("Button1"));
    CancelButton->setObjectName(QStringLiteral("Button2"));
    connect(SortButton, &QPushButton::clicked, this, &TSortForm::SortClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    EndWithButtons(layout, {SortButton, CancelButton});
}

void TSortForm::SortClick() {
    SortMemoryChannels(Data, NameRadio->isChecked() && NameRadio->isEnabled()
                                 ? TMemorySortKey::Name
                                 : TMemorySortKey::Frequency);
    accept();
}

void OpenSortForm(TWorkspace& workspace) {
    TSortForm form(workspace.Data(), workspace.Window());
    if (ExecModal(form) == QDialog::Accepted) workspace.RefreshGrids();
}
