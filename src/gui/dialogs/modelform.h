#pragma once

#include <QDialog>

#include "gui/kit/cataloguebuttons.h"

class QPushButton;
class TWorkspace;

// Model Select: changes the configuration of the main window's data set.
class TModelForm : public QDialog {
    Q_OBJECT
public:
    explicit TModelForm(TWorkspace& workspace);

    TCatalogueButtons RadioButtons;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKClick();

private:
    TWorkspace& Workspace;
    int CurrentRow = -1;
};
