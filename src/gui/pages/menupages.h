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
// slots whichever of them the window shows. The controls of the mobile layout
// are prefixed "Mobile"; each control's object name is its design name
// ("ComboBox_TOT2", "Label11").
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
    QGroupBox* PowerGroupBox = nullptr;
    QLabel* BatterySaverLabel = nullptr;
    QComboBox* BatterySaverList = nullptr;
    QLabel* AutoPowerOffLabel = nullptr;
    QComboBox* AutoPowerOffList = nullptr;
    QGroupBox* ScanGroupBox = nullptr;
    QCheckBox* PriorityScanBox = nullptr;
    QCheckBox* WeatherAlertBox = nullptr;
    TRadioGroup* ScanResumeGroup = nullptr;
    QCheckBox* TuneEnableBox = nullptr;
    QGroupBox* RxTxGroupBox = nullptr;
    QLabel* TimeOutTimerLabel = nullptr;
    QComboBox* TimeOutTimerList = nullptr;
    QCheckBox* KeyBeepBox = nullptr;
    QCheckBox* TxInhibitBox = nullptr;
    QCheckBox* BusyChannelLockoutBox = nullptr;
    QGroupBox* VoxGroupBox = nullptr;
    QLabel* VoxGainLabel = nullptr;
    QComboBox* VoxGainList = nullptr;
    QLabel* VoxDelayLabel = nullptr;
    QComboBox* VoxDelayList = nullptr;
    QCheckBox* VoxOnBusyBox = nullptr;
    QGroupBox* RepeaterGroupBox = nullptr;
    QCheckBox* AutoRepeaterOffsetBox = nullptr;
    QCheckBox* ToneHoldBox = nullptr;
    TRadioGroup* CallKeyGroup = nullptr;
    QLabel* ToneBurstLabel = nullptr;
    QComboBox* ToneBurstList = nullptr;
    QGroupBox* DtmfGroupBox = nullptr;
    QCheckBox* DtmfLockBox = nullptr;
    QCheckBox* DtmfHoldBox = nullptr;
    QLabel* DtmfPauseLabel = nullptr;
    QComboBox* DtmfPauseList = nullptr;
    TRadioGroup* DtmfSpeedGroup = nullptr;
    QGroupBox* OtherGroupBox = nullptr;
    QLabel* PowerOnMessageLabel = nullptr;
    QLineEdit* PowerOnMessageEdit = nullptr;
    QCheckBox* MemoryNameBox = nullptr;
    QCheckBox* KeyLockBox = nullptr;
    QCheckBox* LampBox = nullptr;
    QCheckBox* MicKeyLockBox = nullptr;

    // "Menu&1" (mobiles).
    QGroupBox* MobilePowerGroupBox = nullptr;
    QLabel* MobileAutoPowerOffLabel = nullptr;
    QComboBox* MobileAutoPowerOffList = nullptr;
    QGroupBox* MobileScanGroupBox = nullptr;
    QCheckBox* MobilePriorityScanBox = nullptr;
    QCheckBox* MobileWeatherAlertBox = nullptr;
    TRadioGroup* MobileScanResumeGroup = nullptr;
    QCheckBox* MobileTuneEnableBox = nullptr;
    QGroupBox* MobileRxTxGroupBox = nullptr;
    QLabel* MobileSquelchHangTimeLabel = nullptr;
    QComboBox* MobileSquelchHangTimeList = nullptr;
    QLabel* MobileTimeOutTimerLabel = nullptr;
    QComboBox* MobileTimeOutTimerList = nullptr;
    QCheckBox* MobileSmeterSquelchBox = nullptr;
    QCheckBox* MobileBusyChannelLockoutBox = nullptr;
    QCheckBox* MobileKeyBeepBox = nullptr;
    QGroupBox* MobileRepeaterGroupBox = nullptr;
    QCheckBox* MobileAutoRepeaterOffsetBox = nullptr;
    QCheckBox* MobileToneHoldBox = nullptr;
    TRadioGroup* MobileCallKeyGroup = nullptr;
    QLabel* MobileToneBurstLabel = nullptr;
    QComboBox* MobileToneBurstList = nullptr;
    QGroupBox* MobileDtmfGroupBox = nullptr;
    QCheckBox* MobileDtmfLockBox = nullptr;
    QCheckBox* MobileDtmfHoldBox = nullptr;
    QCheckBox* MobileDtmfMonitorBox = nullptr;
    QLabel* MobileDtmfPauseLabel = nullptr;
    QComboBox* MobileDtmfPauseList = nullptr;
    TRadioGroup* MobileDtmfSpeedGroup = nullptr;

    // "Menu&2" (mobiles).
    QGroupBox* MobilePfKeyGroupBox = nullptr;
    QLabel* MobilePf1Label = nullptr;
    QComboBox* MobilePf1List = nullptr;
    QLabel* MobilePf2Label = nullptr;
    QComboBox* MobilePf2List = nullptr;
    QLabel* MobilePf3Label = nullptr;
    QComboBox* MobilePf3List = nullptr;
    QLabel* MobilePf4Label = nullptr;
    QComboBox* MobilePf4List = nullptr;
    QGroupBox* MobileBrightnessGroupBox = nullptr;
    QLabel* MobileBrightnessMinLabel = nullptr;
    QSlider* MobileBrightnessSlider = nullptr;
    QLabel* MobileBrightnessMaxLabel = nullptr;
    QCheckBox* MobileAutoBrightnessBox = nullptr;
    QGroupBox* MobileOtherGroupBox = nullptr;
    QLabel* MobilePowerOnMessageLabel = nullptr;
    QLineEdit* MobilePowerOnMessageEdit = nullptr;
    QCheckBox* MobileMemoryNameBox = nullptr;
    QCheckBox* MobileKeyLockBox = nullptr;
    QCheckBox* MobileMicKeyLockBox = nullptr;
    TRadioGroup* MobileDataSpeedGroup = nullptr;

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
    void BrightnessChange(int position);
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
