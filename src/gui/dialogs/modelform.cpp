#include "gui/dialogs/modelform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"

TModelForm::TModelForm(TWorkspace& workspace) : QDialog(workspace.Window()), Workspace(workspace) {
    setWindowTitle(tr("Model Select"));
    SetHelpContext(this, 90);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Model"), this);
    auto* groupLayout = new QVBoxLayout(group);
    RadioButtons = AddCatalogueButtons(*group, *groupLayout, 90);
    const TRadioData& data = Workspace.Data();
    CurrentRow = CatalogueRowOf(data.GetModel(), data.GetMarketCode());
    RadioButtons.SelectRow(CurrentRow);
    layout->addWidget(group);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("Button1"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("Button2"));
    connect(OKButton, &QPushButton::clicked, this, &TModelForm::OKClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    EndWithButtons(layout, {OKButton, CancelButton});
}

void TModelForm::OKClick() {
    const int row = RadioButtons.SelectedRow();
    if (row < 0 || row == CurrentRow) {
        reject();
        return;
    }
    const TMessageAnswer answer =
        ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "You changed the model.\nThe data will be cleared.")),
                    TMessageStyle::OkCancelWarning);
    // Changes not yet saved are offered for saving before they are cleared, as New does.
    if (answer != TMessageAnswer::Ok || !Workspace.ConfirmDiscardChanges()) {
        reject();
        return;
    }
    Workspace.ChangeModel(row);
    accept();
}
