#include "gui/dialogs/setupform.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/kit/buttonrow.h"
#include "gui/kit/helpcontext.h"

TSetupForm::TSetupForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TAVRIN"));
    // The first start's choice is the one Model Select changes later.
    SetHelpContext(this, 90);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Select your transceiver"), this);
    auto* groupLayout = new QVBoxLayout(group);
    RadioButtons = AddCatalogueButtons(*group, *groupLayout, 0);
    RadioButtons.SelectRow(0);
    layout->addWidget(group);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    EndWithButtons(layout, {ok});
}

int TSetupForm::SelectedRow() const {
    const int row = RadioButtons.SelectedRow();
    return row < 0 ? 0 : row;
}

void TSetupForm::reject() {
    accept();
}
