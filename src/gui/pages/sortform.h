#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class TWorkspace;
class TRadioData;

// Memory Channel Sort: packs the used channels to the top and orders them by
// frequency or by memory name.
class TSortForm : public QDialog {
    Q_OBJECT
public:
    TSortForm(TRadioData& data, QWidget* parent);

    QRadioButton* RadioButton1 = nullptr;  // "&Frequency"
    QRadioButton* RadioButton2 = nullptr;  // "&Memory Name"
    QPushButton* Button1 = nullptr;        // "&Sort"
    QPushButton* Button2 = nullptr;        // "Cancel"

    void Button1Click();

private:
    TRadioData& Data;
};

// Edit > Memory Channel Sort: the dialog, then the grids show the result.
void OpenSortForm(TWorkspace& workspace);
