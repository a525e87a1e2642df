#include "gui/kit/cataloguebuttons.h"

#include <QButtonGroup>
#include <QLayout>
#include <QRadioButton>

#include "core/model/modelcatalogue.h"
#include "gui/kit/helpcontext.h"

int TCatalogueButtons::SelectedRow() const {
    return Group->checkedId();
}

void TCatalogueButtons::SelectRow(int row) {
    if (row >= 0 && row < Buttons.size()) Buttons[row]->setChecked(true);
}

TCatalogueButtons AddCatalogueButtons(QWidget& owner, QLayout& layout, int helpContext) {
    TCatalogueButtons buttons;
    buttons.Group = new QButtonGroup(&owner);
    for (int row = 0; row < kCatalogueRows; ++row) {
        auto* button = new QRadioButton(
            QString::fromLatin1(ModelCatalogue()[static_cast<size_t>(row)].Caption), &owner);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(row + 1));
        if (helpContext != 0) SetHelpContext(button, helpContext);
        buttons.Group->addButton(button, row);
        buttons.Buttons.append(button);
        layout.addWidget(button);
    }
    return buttons;
}
