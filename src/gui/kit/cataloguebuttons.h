#pragma once

#include <QList>

class QButtonGroup;
class QLayout;
class QRadioButton;
class QWidget;

// The fifteen catalogue configurations as radio buttons RadioButton1 ..
// RadioButton15, in catalogue order; the group's ids are the rows 0..14.
struct TCatalogueButtons {
    QButtonGroup* Group = nullptr;
    QList<QRadioButton*> Buttons;

    int SelectedRow() const;
    void SelectRow(int row);
};

TCatalogueButtons AddCatalogueButtons(QWidget& owner, QLayout& layout, int helpContext);
