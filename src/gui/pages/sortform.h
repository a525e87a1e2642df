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

    // The object names are the design names RadioButton1, RadioButton2, Button1, Button2.
    QRadioButton* FrequencyRadio = nullptr;
    QRadioButton* NameRadio = nullptr;
    QPushButton* SortButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void SortClick();

private:
    TRadioData& Data;
};

// Edit > Memory Channel Sort: the dialog, then the grids show the result.
void OpenSortForm(TWorkspace& workspace);
