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
    RadioButton1 = new QRadioButton(tr("&Frequency"), group);
    RadioButton2 = new QRadioButton(tr("&Memory Name"), group);
    for (QRadioButton* button : {RadioButton1, RadioButton2}) {
        SetHelpContext(button, kSortHelpContext);
        groupLayout->addWidget(button);
    }
    RadioButton1->setChecked(true);
    RadioButton2->setEnabled(Data.HasMemoryNames());
    layout->addWidget(group);

    Button1 = new QPushButton(tr("&Sort"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    connect(Button1, &QPushButton::clicked, this, &TSortForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    EndWithButtons(layout, {Button1, Button2});
}

void TSortForm::Button1Click() {
    SortMemoryChannels(Data, RadioButton2->isChecked() && RadioButton2->isEnabled()
                                 ? TMemorySortKey::Name
                                 : TMemorySortKey::Frequency);
    accept();
}

void OpenSortForm(TWorkspace& workspace) {
    TSortForm form(workspace.Data(), workspace.Window());
    if (ExecModal(form) == QDialog::Accepted) workspace.RefreshGrids();
}
