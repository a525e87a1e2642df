#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class TWorkspace;
class TRadioData;

// Memory Channel Select: switches the channel count between the model's two
// sizes; the smaller one has memory names.
class TMChannelForm : public QDialog {
    Q_OBJECT
public:
    TMChannelForm(TRadioData& data, QWidget* parent);

    // The model's two channel counts; the smaller one has memory names.
    QRadioButton* SmallerCountRadio = nullptr;
    QRadioButton* LargerCountRadio = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OkClick();

private:
    TRadioData& Data;
};

inline constexpr char kChannelCountQuestion[] = QT_TRANSLATE_NOOP(
    "Messages", "You are changing the total number of memory channels.\nDo you want to continue? ");

// Radio > Memory Channel Select: the dialog, then, whatever the answer, the
// memory and DTMF grids laid out again for the count.
void OpenMChannelForm(TWorkspace& workspace);
