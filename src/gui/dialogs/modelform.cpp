#include "gui/dialogs/modelform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"

TModelForm::TModelForm(TWorkspace& workspace) : QDialog(workspace.Window()), Workspace(workspace) {
    setWindowTitle(tr("Model Select"));
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

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    connect(Button1, &QPushButton::clicked, this, &TModelForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    EndWithButtons(layout, {Button1, Button2});
}

void TModelForm::Button1Click() {
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
