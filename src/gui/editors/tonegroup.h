#pragma once

#include <QGroupBox>

#include "core/model/channelediting.h"

class QCheckBox;
class QComboBox;
class QLabel;

// The "Tone/CTCSS/DCS" group of the channel editors: three boxes of which at most one is
// checked, each with its list.
class TToneGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TToneGroup(QWidget* parent);

    void Show(const TChannelDisplay& display);
    void ReadEdits(TChannelEdits& edits) const;

    QCheckBox* CheckBox_Tone = nullptr;
    QCheckBox* CheckBox_Ctcss = nullptr;
    QCheckBox* CheckBox_Dcs = nullptr;
    QLabel* Label_Tone = nullptr;
    QComboBox* ComboBox_Tone = nullptr;
    QLabel* Label_Ctcss = nullptr;
    QComboBox* ComboBox_Ctcss = nullptr;
    QLabel* Label_Dcs = nullptr;
    QComboBox* ComboBox_Dcs = nullptr;

signals:
    // The user changed something in the group.
    void Edited();

private:
    void BuildControls();
    void FillLists();
    void ConnectHandlers();
    void SelectTone(TToneChoice tone);
    void ToneBoxClick(QCheckBox* box);
};
