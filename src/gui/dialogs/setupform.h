#pragma once

#include <QDialog>

#include "gui/kit/cataloguebuttons.h"

// The first-run choice of the radio configuration. It always ends with a
// choice: closing the window counts as OK.
class TSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TSetupForm(QWidget* parent = nullptr);

    int SelectedRow() const;
    TCatalogueButtons RadioButtons;

    void reject() override;
};
