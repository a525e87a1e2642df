#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "core/model/menuslots.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;
class TRadioData;
class TRadioGroup;

// The radio menu settings pages of the main window: the handheld layout on one
// page ("Me&nu") and the mobile layout on two ("Menu&1", "Menu&2"). Every
// control edits one menu slot of the data set; both layouts are loaded from the
// slots whichever of them the window shows.
class TMenuPages : public QObject {
    Q_OBJECT
public:
    TMenuPages(QWidget& menuPage, QWidget& menu1Page, QWidget& menu2Page, TRadioData& data);

    // Sets every control of both layouts from the menu slots. The slots stay as
    // they were, except that a stored power-on message holding a character the
    // radio cannot show is reported and emptied.
    void LoadFromSlots();
    // Shows, hides and captions the controls that depend on the market, the
    // model, the channel count and the tone-burst option.
    void UpdateMarketControls(bool toneBurstOption);
    // Memory names exist only with the smaller channel count of each model group.
    void UpdateMemoryNameBoxes();

    // "Me&nu" (handhelds).
    QGroupBox* GroupBox_Power = nullptr;
    QLabel* Label1 = nullptr;  // "Battery Saver"
    QComboBox* ComboBox_Save = nullptr;
    QLabel* Label2 = nullptr;  // "Auto Power Off"
    QComboBox* ComboBox_Apo = nullptr;
    QGroupBox* GroupBox_Scan = nullptr;
    QCheckBox* CheckBox_Priority = nullptr;
    QCheckBox* CheckBox_Weather = nullptr;
    TRadioGroup* RadioGroup_ScanResume = nullptr;
    QCheckBox* CheckBox_TuneEnable = nullptr;
    QGroupBox* GroupBox_RxTx = nullptr;
    QLabel* Label3 = nullptr;  // "Time-out Timer"
    QComboBox* ComboBox_TOT = nullptr;
    QCheckBox* CheckBox_KeyBeep = nullptr;
    QCheckBox* CheckBox_TxInhibit = nullptr;
    QCheckBox* CheckBox_BusyChLockout = nullptr;
    QGroupBox* GroupBox_Vox = nullptr;
    QLabel* Label4 = nullptr;  // "VOX Gain"
    QComboBox* ComboBox_VoxGain = nullptr;
    QLabel* Label5 = nullptr;  // "VOX Delay"
    QComboBox* ComboBox_VoxDelay = nullptr;
    QCheckBox* CheckBox_VoxOnBusy = nullptr;
    QGroupBox* GroupBox_Repeater = nullptr;
    QCheckBox* CheckBox_ARO = nullptr;
    QCheckBox* CheckBox_t1750Hold = nullptr;
    TRadioGroup* RadioGroup_CallKey = nullptr;
    QLabel* Label7 = nullptr;  // "Tone Burst Frequency"
    QComboBox* ComboBox_1750Freq = nullptr;
    QGroupBox* GroupBox_Dtmf = nullptr;
    QCheckBox* CheckBox_DtmfLock = nullptr;
    QCheckBox* CheckBox_DtmfHold = nullptr;
    QLabel* Label6 = nullptr;  // "DTMF Pause"
    QComboBox* ComboBox_DtmfPause = nullptr;
    TRadioGroup* RadioGroup_DtmfSpeed = nullptr;
    QGroupBox* GroupBox_Other = nullptr;
    QLabel* Label8 = nullptr;  // "Power-on Message"
    QLineEdit* Edit_Pom = nullptr;
    QCheckBox* CheckBox_MName = nullptr;
    QCheckBox* CheckBox_Lock = nullptr;
    QCheckBox* CheckBox_Lamp = nullptr;
    QCheckBox* CheckBox_MicKey = nullptr;

    // "Menu&1" (mobiles).
    QGroupBox* GroupBox_Power2 = nullptr;
    QLabel* Label9 = nullptr;  // "Auto Power Off"
    QComboBox* ComboBox_Apo2 = nullptr;
    QGroupBox* GroupBox_Scan2 = nullptr;
    QCheckBox* CheckBox_Priority2 = nullptr;
    QCheckBox* CheckBox_Weather2 = nullptr;
    TRadioGroup* RadioGroup_ScanResume2 = nullptr;
    QCheckBox* CheckBox_TuneEnable2 = nullptr;
    QGroupBox* GroupBox_RxTx2 = nullptr;
    QLabel* Label10 = nullptr;  // "Squelch Hang Time"
    QComboBox* ComboBox_SquelchHangTime2 = nullptr;
    QLabel* Label11 = nullptr;  // "Time-out Timer"
    QComboBox* ComboBox_TOT2 = nullptr;
    QCheckBox* CheckBox_SmeterSql2 = nullptr;
    QCheckBox* CheckBox_BusyChLockout2 = nullptr;
    QCheckBox* CheckBox_KeyBeep2 = nullptr;
    QGroupBox* GroupBox_Repeater2 = nullptr;
    QCheckBox* CheckBox_ARO2 = nullptr;
    QCheckBox* CheckBox_t1750Hold2 = nullptr;
    TRadioGroup* RadioGroup_CallKey2 = nullptr;
    QLabel* Label12 = nullptr;  // "Tone Burst Frequency"
    QComboBox* ComboBox_1750Freq2 = nullptr;
    QGroupBox* GroupBox_Dtmf2 = nullptr;
    QCheckBox* CheckBox_DtmfLock2 = nullptr;
    QCheckBox* CheckBox_DtmfHold2 = nullptr;
    QCheckBox* CheckBox_DtmfMonitor2 = nullptr;
    QLabel* Label13 = nullptr;  // "DTMF Pause"
    QComboBox* ComboBox_DtmfPause2 = nullptr;
    TRadioGroup* RadioGroup_DtmfSpeed2 = nullptr;

    // "Menu&2" (mobiles).
    QGroupBox* GroupBox_PfKey2 = nullptr;
    QLabel* Label14 = nullptr;  // "PF1"
    QComboBox* ComboBox_PF12 = nullptr;
    QLabel* Label15 = nullptr;  // "PF2"
    QComboBox* ComboBox_PF22 = nullptr;
    QLabel* Label16 = nullptr;  // "PF3"
    QComboBox* ComboBox_PF32 = nullptr;
    QLabel* Label17 = nullptr;  // "PF4"
    QComboBox* ComboBox_PF42 = nullptr;
    QGroupBox* GroupBox_Brightness2 = nullptr;
    QLabel* Label18 = nullptr;  // "Min"
    QSlider* TrackBar_Brightness2 = nullptr;
    QLabel* Label19 = nullptr;  // "Max"
    QCheckBox* CheckBox_AutoBrightness2 = nullptr;
    QGroupBox* GroupBox_Other2 = nullptr;
    QLabel* Label20 = nullptr;  // "Power-on Message"
    QLineEdit* Edit_Pom2 = nullptr;
    QCheckBox* CheckBox_MName2 = nullptr;
    QCheckBox* CheckBox_Lock2 = nullptr;
    QCheckBox* CheckBox_MicKey2 = nullptr;
    TRadioGroup* RadioGroup_DataSpeed2 = nullptr;

signals:
    // A control changed a menu slot on the user's behalf.
    void DataChanged(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How a control's state is written into its slot.
    struct TListSlot {
        QComboBox* List;
        TMenuSlot Slot;
        int Base;  // 10 for list positions, 16 for the PF functions
    };
    struct TBoxSlot {
        QCheckBox* Box;
        TMenuSlot Slot;
        bool Inverted;  // the memory name boxes store "0" when checked
    };
    struct TGroupSlot {
        TRadioGroup* Group;
        TMenuSlot Slot;
    };

    void BuildHandheldPage(QWidget& page);
    void BuildMenu1Page(QWidget& page);
    void BuildMenu2Page(QWidget& page);
    void BindSlots();
    void ConnectHandlers();
    void ConnectScanBoxes(QCheckBox* priority, QCheckBox* weather);
    void ConnectPowerOnMessage(QLineEdit* edit);

    void ListChange(const TListSlot& binding, int index);
    void ToneBurstChange(QComboBox* list, int index);
    void CheckBoxClick(const TBoxSlot& binding, bool checked);
    void RadioGroupClick(const TGroupSlot& binding, int index);
    void PriorityScanClick(QCheckBox* weather, bool checked);
    void WeatherAlertClick(QCheckBox* priority, bool checked);
    void TrackBar_Brightness2Change(int position);
    void PowerOnMessageChange(QLineEdit* edit);
    bool PowerOnMessageKeyPress(QWidget* edit, const QKeyEvent& key);

    void LoadList(const TListSlot& binding);
    void LoadPowerOnMessage(QLineEdit* edit);
    void StoreSlot(TMenuSlot slot, const QString& text);

    TRadioData& Data;
    std::vector<TListSlot> Lists;
    std::vector<TBoxSlot> Boxes;
    std::vector<TGroupSlot> Groups;
    // While the controls are loaded their change handlers leave the slots alone.
    bool Loading = false;
};
