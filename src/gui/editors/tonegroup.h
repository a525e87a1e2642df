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

    QCheckBox* ToneBox = nullptr;
    QCheckBox* CtcssBox = nullptr;
    QCheckBox* DcsBox = nullptr;
    QLabel* ToneLabel = nullptr;
    QComboBox* ToneCombo = nullptr;
    QLabel* CtcssLabel = nullptr;
    QComboBox* CtcssCombo = nullptr;
    QLabel* DcsLabel = nullptr;
    QComboBox* DcsCombo = nullptr;

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
