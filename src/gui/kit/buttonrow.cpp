#include "gui/kit/buttonrow.h"

#include <QHBoxLayout>

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

void EndWithButtons(QBoxLayout* layout, std::initializer_list<QWidget*> buttons) {
    layout->addLayout(ButtonRow(buttons));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
