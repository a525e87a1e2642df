#include "gui/pages/radiogroup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QWidget(parent), Caption(new QLabel(caption, parent)), Group(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);  // the buttons bring room of their own
    for (const QString& item : items) {
        auto* button = new QRadioButton(item, this);
        Group->addButton(button, Count());
        Buttons.push_back(button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    if (!Buttons.empty()) Caption->setBuddy(Buttons.front());
    connect(Group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit ItemIndexChanged(id);
    });
}

int TRadioGroup::ItemIndex() const {
    return Group->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        Button(index)->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go.
    Group->setExclusive(false);
    for (QRadioButton* button : Buttons) button->setChecked(false);
    Group->setExclusive(true);
}
