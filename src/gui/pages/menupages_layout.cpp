// The controls of the menu pages, their captions, lists, help topics and layout.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "core/model/menuchoices.h"
#include "core/model/menusettings.h"
#include "gui/kit/helpcontext.h"
#include "gui/pages/menupages.h"
#include "gui/pages/radiogroup.h"

namespace {

// Row heights of the controls: the pages hold many settings in little room.
constexpr int kButtonHeight = 17;
constexpr int kFieldHeight = 20;
constexpr int kGridColumns = 3;

// The choices of a setting's list or radio group; those in words in the window's language,
// the radio's own terms as they are.
QStringList Choices(TMenuSlot slot) {
    QStringList texts;
    for (const char* item : MenuListChoices(slot)) {
        texts.append(QCoreApplication::translate("TMenuPages", item));
    }
    return texts;
}

QFont PageFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    return font;
}

// Shows whatever is typed, pasted or set in upper case, as the radio does.
class TUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, int help) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setMaxVisibleItems(items.size());
    list->setFixedHeight(kFieldHeight);
    if (help != 0) SetHelpContext(list, help);
    return list;
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const QString& caption, int help) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedHeight(kButtonHeight);
    SetHelpContext(box, help);
    return box;
}

TRadioGroup* MakeRadioGroup(QWidget* parent, const char* name, const QString& caption,
                            const QStringList& items, int help) {
    auto* group = new TRadioGroup(caption, items, parent);
    group->setObjectName(QLatin1String(name));
    SetHelpContext(group, help);
    for (int index = 0; index < group->Count(); ++index) {
        group->Button(index)->setFixedHeight(kButtonHeight);
        SetHelpContext(group->Button(index), help);
    }
    return group;
}

// A setting's list, check box or radio group: choices and help topic as the menu
// settings' table gives them for the menu of the page.
QComboBox* MakeList(QWidget* parent, const char* name, TMenuSlot slot, TMenuSet menu) {
    return MakeList(parent, name, Choices(slot), HelpIn(MenuSettingOf(slot), menu));
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const QString& caption, TMenuSlot slot,
                   TMenuSet menu) {
    return MakeBox(parent, name, caption, HelpIn(MenuSettingOf(slot), menu));
}

TRadioGroup* MakeRadioGroup(QWidget* parent, const char* name, const QString& caption,
                            TMenuSlot slot, TMenuSet menu) {
    return MakeRadioGroup(parent, name, caption, Choices(slot), HelpIn(MenuSettingOf(slot), menu));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakePowerOnMessage(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(kPowerOnMessageLength);
    edit->setValidator(new TUpperCaseValidator(edit));
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    const int room = edit->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW"));
    edit->setFixedSize(room + 12, kFieldHeight);
    return edit;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(kGridColumns - 1, 1);
    return box;
}

QGridLayout* GridOf(QGroupBox* box) {
    return static_cast<QGridLayout*>(box->layout());
}

int NextRow(QGridLayout* grid) {
    return grid->count() == 0 ? 0 : grid->rowCount();
}

// Rows of a group box: a label and its control, or two check boxes, share the
// box's two columns so that they line up; a check box may follow a list on its
// row. A long caption takes a row alone.
void AddRow(QGroupBox* box, QWidget* left, QWidget* right = nullptr, QWidget* extra = nullptr) {
    QGridLayout* grid = GridOf(box);
    const int row = NextRow(grid);
    if (right == nullptr) {
        grid->addWidget(left, row, 0, 1, kGridColumns);
        return;
    }
    grid->addWidget(left, row, 0);
    if (extra == nullptr) {
        grid->addWidget(right, row, 1, 1, kGridColumns - 1, Qt::AlignLeft);
        return;
    }
    auto* pair = new QHBoxLayout;
    pair->setSpacing(6);
    pair->addWidget(right);
    pair->addWidget(extra);
    pair->addStretch(1);
    grid->addLayout(pair, row, 1, 1, kGridColumns - 1);
}

// A row that keeps out of the label column: a radio group, whose buttons need
// the room, or a label too long to set the column's width.
void AddLooseRow(QGroupBox* box, QWidget* caption, QWidget* control) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(caption);
    row->addWidget(control);
    row->addStretch(1);
    QGridLayout* grid = GridOf(box);
    grid->addLayout(row, NextRow(grid), 0, 1, kGridColumns);
}

void AddRadioGroup(QGroupBox* box, TRadioGroup* group) {
    AddLooseRow(box, group->CaptionLabel(), group);
}

// The widest label of the labels that stand before a list or a box.
int LabelColumnWidth(QGridLayout* grid) {
    int width = 0;
    for (int index = 0; index < grid->count(); ++index) {
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QWidget* widget = grid->itemAt(index)->widget();
        if (column == 0 && columnSpan == 1 && qobject_cast<QLabel*>(widget)) {
            width = std::max(width, widget->sizeHint().width());
        }
    }
    return width;
}

// A page of two columns of group boxes whose lists line up down each column.
void LayOutColumns(QWidget& page, std::initializer_list<std::vector<QGroupBox*>> columns) {
    page.setFont(PageFont());
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (const std::vector<QGroupBox*>& boxes : columns) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        int labelWidth = 0;
        for (QGroupBox* box : boxes) {
            column->addWidget(box);
            labelWidth = std::max(labelWidth, LabelColumnWidth(GridOf(box)));
        }
        for (QGroupBox* box : boxes) GridOf(box)->setColumnMinimumWidth(0, labelWidth);
        column->addStretch(1);
        layout->addLayout(column, 1);
    }
}

// Tab order as the controls are listed; a radio group is entered at its buttons.
void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    std::vector<QWidget*> chain;
    for (QWidget* control : controls) {
        if (auto* group = qobject_cast<TRadioGroup*>(control)) {
            for (int index = 0; index < group->Count(); ++index)
                chain.push_back(group->Button(index));
        } else {
            chain.push_back(control);
        }
    }
    for (size_t index = 1; index < chain.size(); ++index) {
        QWidget::setTabOrder(chain[index - 1], chain[index]);
    }
}

}  // namespace

void TMenuPages::BuildHandheldPage(QWidget& page) {
    PowerGroupBox = MakeGroup(&page, "GroupBox_Power", tr("Po&wer"));
    BatterySaverList =
        MakeList(PowerGroupBox, "ComboBox_Save", kBatterySaverSlot, TMenuSet::Handheld);
    BatterySaverLabel = MakeLabel(PowerGroupBox, "Label1", tr("Battery Saver"), BatterySaverList);
    AutoPowerOffList =
        MakeList(PowerGroupBox, "ComboBox_Apo", kAutoPowerOffSlot, TMenuSet::Handheld);
    AutoPowerOffLabel = MakeLabel(PowerGroupBox, "Label2", tr("Auto Power Off"), AutoPowerOffList);
    AddRow(PowerGroupBox, BatterySaverLabel, BatterySaverList);
    AddRow(PowerGroupBox, AutoPowerOffLabel, AutoPowerOffList);

    ScanGroupBox = MakeGroup(&page, "GroupBox_Scan", tr("&Scan/Weather"));
    PriorityScanBox = MakeBox(ScanGroupBox, "CheckBox_Priority", tr("Priority Scan"),
                              kPriorityScanSlot, TMenuSet::Handheld);
    WeatherAlertBox =
        MakeBox(ScanGroupBox, "CheckBox_Weather", tr("Weather Alert"), kWeatherAlertHelp);
    ScanResumeGroup = MakeRadioGroup(ScanGroupBox, "RadioGroup_ScanResume", tr("Scan Resume"),
                                     kScanResumeSlot, TMenuSet::Handheld);
    TuneEnableBox = MakeBox(ScanGroupBox, "CheckBox_TuneEnable", tr("Tune Enable"), kTuneEnableSlot,
                            TMenuSet::Handheld);
    AddRow(ScanGroupBox, PriorityScanBox, WeatherAlertBox);
    AddRadioGroup(ScanGroupBox, ScanResumeGroup);
    AddRow(ScanGroupBox, TuneEnableBox);

    RxTxGroupBox = MakeGroup(&page, "GroupBox_RxTx", tr("R&X/TX"));
    TimeOutTimerList =
        MakeList(RxTxGroupBox, "ComboBox_TOT", kTimeOutTimerSlot, TMenuSet::Handheld);
    TimeOutTimerLabel = MakeLabel(RxTxGroupBox, "Label3", tr("Time-out Timer"), TimeOutTimerList);
    KeyBeepBox =
        MakeBox(RxTxGroupBox, "CheckBox_KeyBeep", tr("Key Beep"), kKeyBeepSlot, TMenuSet::Handheld);
    TxInhibitBox = MakeBox(RxTxGroupBox, "CheckBox_TxInhibit", tr("Tx Inhibit"), kTxInhibitSlot,
                           TMenuSet::Handheld);
    BusyChannelLockoutBox = MakeBox(RxTxGroupBox, "CheckBox_BusyChLockout", tr("Busy Ch Lockout"),
                                    kBusyChannelLockoutSlot, TMenuSet::Handheld);
    AddRow(RxTxGroupBox, TimeOutTimerLabel, TimeOutTimerList, KeyBeepBox);
    AddRow(RxTxGroupBox, TxInhibitBox, BusyChannelLockoutBox);

    VoxGroupBox = MakeGroup(&page, "GroupBox_Vox", tr("&VOX"));
    VoxGainList = MakeList(VoxGroupBox, "ComboBox_VoxGain", kVoxGainSlot, TMenuSet::Handheld);
    VoxGainLabel = MakeLabel(VoxGroupBox, "Label4", tr("VOX Gain"), VoxGainList);
    VoxOnBusyBox = MakeBox(VoxGroupBox, "CheckBox_VoxOnBusy", tr("VOX on Busy"), kVoxOnBusySlot,
                           TMenuSet::Handheld);
    VoxDelayList = MakeList(VoxGroupBox, "ComboBox_VoxDelay", kVoxDelaySlot, TMenuSet::Handheld);
    VoxDelayLabel = MakeLabel(VoxGroupBox, "Label5", tr("VOX Delay"), VoxDelayList);
    AddRow(VoxGroupBox, VoxGainLabel, VoxGainList, VoxOnBusyBox);
    AddRow(VoxGroupBox, VoxDelayLabel, VoxDelayList);

    RepeaterGroupBox = MakeGroup(&page, "GroupBox_Repeater", tr("Re&peater"));
    AutoRepeaterOffsetBox =
        MakeBox(RepeaterGroupBox, "CheckBox_ARO", tr("Automatic Repeater Offset"),
                kRepeaterOffsetSlot, TMenuSet::Handheld);
    ToneHoldBox = MakeBox(RepeaterGroupBox, "CheckBox_t1750Hold", tr("1750Hz Tone Hold"),
                          kToneHoldSlot, TMenuSet::Handheld);
    CallKeyGroup = MakeRadioGroup(RepeaterGroupBox, "RadioGroup_CallKey", tr("CALL Key"),
                                  kCallKeySlot, TMenuSet::Handheld);
    ToneBurstList =
        MakeList(RepeaterGroupBox, "ComboBox_1750Freq", kToneBurstSlot, TMenuSet::Handheld);
    ToneBurstLabel =
        MakeLabel(RepeaterGroupBox, "Label7", tr("Tone Burst Frequency"), ToneBurstList);
    AddRow(RepeaterGroupBox, AutoRepeaterOffsetBox);
    AddRow(RepeaterGroupBox, ToneHoldBox);
    AddRadioGroup(RepeaterGroupBox, CallKeyGroup);
    AddLooseRow(RepeaterGroupBox, ToneBurstLabel, ToneBurstList);

    DtmfGroupBox = MakeGroup(&page, "GroupBox_Dtmf", tr("D&TMF"));
    DtmfLockBox = MakeBox(DtmfGroupBox, "CheckBox_DtmfLock", tr("DTMF Lock"), kDtmfLockSlot,
                          TMenuSet::Handheld);
    DtmfHoldBox = MakeBox(DtmfGroupBox, "CheckBox_DtmfHold", tr("DTMF Hold"), kDtmfHoldSlot,
                          TMenuSet::Handheld);
    DtmfPauseList =
        MakeList(DtmfGroupBox, "ComboBox_DtmfPause", kDtmfPauseSlot, TMenuSet::Handheld);
    DtmfPauseLabel = MakeLabel(DtmfGroupBox, "Label6", tr("DTMF Pause"), DtmfPauseList);
    DtmfSpeedGroup = MakeRadioGroup(DtmfGroupBox, "RadioGroup_DtmfSpeed", tr("DTMF Speed"),
                                    kDtmfSpeedSlot, TMenuSet::Handheld);
    AddRow(DtmfGroupBox, DtmfLockBox, DtmfHoldBox);
    AddRow(DtmfGroupBox, DtmfPauseLabel, DtmfPauseList);
    AddRadioGroup(DtmfGroupBox, DtmfSpeedGroup);

    OtherGroupBox = MakeGroup(&page, "GroupBox_Other", tr("&Other"));
    PowerOnMessageEdit = MakePowerOnMessage(OtherGroupBox, "Edit_Pom");
    SetHelpContext(PowerOnMessageEdit,
                   HelpIn(MenuSettingOf(kPowerOnMessageSlot), TMenuSet::Handheld));
    PowerOnMessageLabel =
        MakeLabel(OtherGroupBox, "Label8", tr("Power-on Message"), PowerOnMessageEdit);
    MemoryNameBox = MakeBox(OtherGroupBox, "CheckBox_MName", tr("Memory Name"), kMemoryNameSlot,
                            TMenuSet::Handheld);
    KeyLockBox =
        MakeBox(OtherGroupBox, "CheckBox_Lock", tr("Key Lock"), kKeyLockSlot, TMenuSet::Handheld);
    LampBox = MakeBox(OtherGroupBox, "CheckBox_Lamp", tr("Lamp"), kLampSlot, TMenuSet::Handheld);
    MicKeyLockBox = MakeBox(OtherGroupBox, "CheckBox_MicKey", tr("Disable MIC PF Key"),
                            kMicKeyLockSlot, TMenuSet::Handheld);
    AddRow(OtherGroupBox, PowerOnMessageLabel, PowerOnMessageEdit);
    AddRow(OtherGroupBox, KeyLockBox, MemoryNameBox);
    AddRow(OtherGroupBox, LampBox, MicKeyLockBox);

    LayOutColumns(page, {{PowerGroupBox, ScanGroupBox, RxTxGroupBox, VoxGroupBox},
                         {RepeaterGroupBox, DtmfGroupBox, OtherGroupBox}});
    ChainTabOrder({BatterySaverList, AutoPowerOffList,      PriorityScanBox,  WeatherAlertBox,
                   ScanResumeGroup,  TuneEnableBox,         TimeOutTimerList, KeyBeepBox,
                   TxInhibitBox,     BusyChannelLockoutBox, VoxGainList,      VoxOnBusyBox,
                   VoxDelayList,     AutoRepeaterOffsetBox, ToneHoldBox,      CallKeyGroup,
                   ToneBurstList,    DtmfLockBox,           DtmfHoldBox,      DtmfPauseList,
                   DtmfSpeedGroup,   PowerOnMessageEdit,    KeyLockBox,       MemoryNameBox,
                   LampBox,          MicKeyLockBox});
}

void TMenuPages::BuildMenu1Page(QWidget& page) {
    MobilePowerGroupBox = MakeGroup(&page, "GroupBox_Power2", tr("Po&wer"));
    MobileAutoPowerOffList =
        MakeList(MobilePowerGroupBox, "ComboBox_Apo2", kAutoPowerOffSlot, TMenuSet::Mobile);
    MobileAutoPowerOffLabel =
        MakeLabel(MobilePowerGroupBox, "Label9", tr("Auto Power Off"), MobileAutoPowerOffList);
    AddRow(MobilePowerGroupBox, MobileAutoPowerOffLabel, MobileAutoPowerOffList);

    MobileScanGroupBox = MakeGroup(&page, "GroupBox_Scan2", tr("&Scan/Weather"));
    MobilePriorityScanBox = MakeBox(MobileScanGroupBox, "CheckBox_Priority2", tr("Priority Scan"),
                                    kPriorityScanSlot, TMenuSet::Mobile);
    MobileWeatherAlertBox =
        MakeBox(MobileScanGroupBox, "CheckBox_Weather2", tr("Weather Alert"), kWeatherAlertHelp);
    MobileScanResumeGroup = MakeRadioGroup(MobileScanGroupBox, "RadioGroup_ScanResume2",
                                           tr("Scan Resume"), kScanResumeSlot, TMenuSet::Mobile);
    MobileTuneEnableBox = MakeBox(MobileScanGroupBox, "CheckBox_TuneEnable2", tr("Tune Enable"),
                                  kTuneEnableSlot, TMenuSet::Mobile);
    AddRow(MobileScanGroupBox, MobilePriorityScanBox, MobileWeatherAlertBox);
    AddRadioGroup(MobileScanGroupBox, MobileScanResumeGroup);
    AddRow(MobileScanGroupBox, MobileTuneEnableBox);

    MobileRxTxGroupBox = MakeGroup(&page, "GroupBox_RxTx2", tr("R&X/TX"));
    MobileSmeterSquelchBox = MakeBox(MobileRxTxGroupBox, "CheckBox_SmeterSql2",
                                     tr("S-Meter Squelch"), kSmeterSquelchSlot, TMenuSet::Mobile);
    MobileSquelchHangTimeList = MakeList(MobileRxTxGroupBox, "ComboBox_SquelchHangTime2",
                                         kSquelchHangTimeSlot, TMenuSet::Mobile);
    MobileSquelchHangTimeLabel = MakeLabel(MobileRxTxGroupBox, "Label10", tr("Squelch Hang Time"),
                                           MobileSquelchHangTimeList);
    MobileTimeOutTimerList =
        MakeList(MobileRxTxGroupBox, "ComboBox_TOT2", kTimeOutTimerSlot, TMenuSet::Mobile);
    MobileTimeOutTimerLabel =
        MakeLabel(MobileRxTxGroupBox, "Label11", tr("Time-out Timer"), MobileTimeOutTimerList);
    MobileBusyChannelLockoutBox =
        MakeBox(MobileRxTxGroupBox, "CheckBox_BusyChLockout2", tr("Busy Ch Lockout"),
                kBusyChannelLockoutSlot, TMenuSet::Mobile);
    MobileKeyBeepBox = MakeBox(MobileRxTxGroupBox, "CheckBox_KeyBeep2", tr("Key Beep"),
                               kKeyBeepSlot, TMenuSet::Mobile);
    AddRow(MobileRxTxGroupBox, MobileSmeterSquelchBox);
    AddRow(MobileRxTxGroupBox, MobileSquelchHangTimeLabel, MobileSquelchHangTimeList);
    AddRow(MobileRxTxGroupBox, MobileTimeOutTimerLabel, MobileTimeOutTimerList);
    AddRow(MobileRxTxGroupBox, MobileKeyBeepBox, MobileBusyChannelLockoutBox);

    MobileRepeaterGroupBox = MakeGroup(&page, "GroupBox_Repeater2", tr("Re&peater"));
    MobileAutoRepeaterOffsetBox =
        MakeBox(MobileRepeaterGroupBox, "CheckBox_ARO2", tr("Automatic Repeater Offset"),
                kRepeaterOffsetSlot, TMenuSet::Mobile);
    MobileToneHoldBox = MakeBox(MobileRepeaterGroupBox, "CheckBox_t1750Hold2",
                                tr("1750Hz Tone Hold"), kToneHoldSlot, TMenuSet::Mobile);
    MobileCallKeyGroup = MakeRadioGroup(MobileRepeaterGroupBox, "RadioGroup_CallKey2",
                                        tr("CALL Key"), kCallKeySlot, TMenuSet::Mobile);
    MobileToneBurstList =
        MakeList(MobileRepeaterGroupBox, "ComboBox_1750Freq2", kToneBurstSlot, TMenuSet::Mobile);
    MobileToneBurstLabel = MakeLabel(MobileRepeaterGroupBox, "Label12", tr("Tone Burst Frequency"),
                                     MobileToneBurstList);
    AddRow(MobileRepeaterGroupBox, MobileAutoRepeaterOffsetBox);
    AddRow(MobileRepeaterGroupBox, MobileToneHoldBox);
    AddRadioGroup(MobileRepeaterGroupBox, MobileCallKeyGroup);
    AddLooseRow(MobileRepeaterGroupBox, MobileToneBurstLabel, MobileToneBurstList);

    MobileDtmfGroupBox = MakeGroup(&page, "GroupBox_Dtmf2", tr("D&TMF"));
    MobileDtmfLockBox = MakeBox(MobileDtmfGroupBox, "CheckBox_DtmfLock2", tr("DTMF Lock"),
                                kDtmfLockSlot, TMenuSet::Mobile);
    MobileDtmfHoldBox = MakeBox(MobileDtmfGroupBox, "CheckBox_DtmfHold2", tr("DTMF Hold"),
                                kDtmfHoldSlot, TMenuSet::Mobile);
    MobileDtmfMonitorBox = MakeBox(MobileDtmfGroupBox, "CheckBox_DtmfMonitor2", tr("DTMF Monitor"),
                                   kDtmfMonitorSlot, TMenuSet::Mobile);
    MobileDtmfPauseList =
        MakeList(MobileDtmfGroupBox, "ComboBox_DtmfPause2", kDtmfPauseSlot, TMenuSet::Mobile);
    MobileDtmfPauseLabel =
        MakeLabel(MobileDtmfGroupBox, "Label13", tr("DTMF Pause"), MobileDtmfPauseList);
    MobileDtmfSpeedGroup = MakeRadioGroup(MobileDtmfGroupBox, "RadioGroup_DtmfSpeed2",
                                          tr("DTMF Speed"), kDtmfSpeedSlot, TMenuSet::Mobile);
    AddRow(MobileDtmfGroupBox, MobileDtmfLockBox, MobileDtmfHoldBox);
    AddRow(MobileDtmfGroupBox, MobileDtmfMonitorBox);
    AddRow(MobileDtmfGroupBox, MobileDtmfPauseLabel, MobileDtmfPauseList);
    AddRadioGroup(MobileDtmfGroupBox, MobileDtmfSpeedGroup);

    LayOutColumns(page, {{MobilePowerGroupBox, MobileScanGroupBox, MobileRxTxGroupBox},
                         {MobileRepeaterGroupBox, MobileDtmfGroupBox}});
    ChainTabOrder({MobileAutoPowerOffList, MobilePriorityScanBox, MobileWeatherAlertBox,
                   MobileScanResumeGroup, MobileTuneEnableBox, MobileSmeterSquelchBox,
                   MobileSquelchHangTimeList, MobileTimeOutTimerList, MobileKeyBeepBox,
                   MobileBusyChannelLockoutBox, MobileAutoRepeaterOffsetBox, MobileToneHoldBox,
                   MobileCallKeyGroup, MobileToneBurstList, MobileDtmfLockBox, MobileDtmfHoldBox,
                   MobileDtmfMonitorBox, MobileDtmfPauseList, MobileDtmfSpeedGroup});
}

void TMenuPages::BuildMenu2Page(QWidget& page) {
    MobilePfKeyGroupBox = MakeGroup(&page, "GroupBox_PfKey2", tr("PF &Key"));
    MobilePf1List = MakeList(MobilePfKeyGroupBox, "ComboBox_PF12", kPf1Slot, TMenuSet::Mobile);
    MobilePf1Label =
        MakeLabel(MobilePfKeyGroupBox, "Label14", QStringLiteral("PF1"), MobilePf1List);
    MobilePf2List = MakeList(MobilePfKeyGroupBox, "ComboBox_PF22", kPf2Slot, TMenuSet::Mobile);
    MobilePf2Label =
        MakeLabel(MobilePfKeyGroupBox, "Label15", QStringLiteral("PF2"), MobilePf2List);
    MobilePf3List = MakeList(MobilePfKeyGroupBox, "ComboBox_PF32", kPf3Slot, TMenuSet::Mobile);
    MobilePf3Label =
        MakeLabel(MobilePfKeyGroupBox, "Label16", QStringLiteral("PF3"), MobilePf3List);
    MobilePf4List = MakeList(MobilePfKeyGroupBox, "ComboBox_PF42", kPf4Slot, TMenuSet::Mobile);
    MobilePf4Label =
        MakeLabel(MobilePfKeyGroupBox, "Label17", QStringLiteral("PF4"), MobilePf4List);
    AddRow(MobilePfKeyGroupBox, MobilePf1Label, MobilePf1List);
    AddRow(MobilePfKeyGroupBox, MobilePf2Label, MobilePf2List);
    AddRow(MobilePfKeyGroupBox, MobilePf3Label, MobilePf3List);
    AddRow(MobilePfKeyGroupBox, MobilePf4Label, MobilePf4List);

    MobileBrightnessGroupBox = MakeGroup(&page, "GroupBox_Brightness2", tr("&Brightness"));
    MobileBrightnessSlider = new QSlider(Qt::Horizontal, MobileBrightnessGroupBox);
    MobileBrightnessSlider->setObjectName(QStringLiteral("TrackBar_Brightness2"));
    MobileBrightnessSlider->setRange(0, kHighestBrightness);
    MobileBrightnessSlider->setPageStep(4);
    MobileBrightnessSlider->setTickPosition(QSlider::TicksBelow);
    MobileBrightnessSlider->setTickInterval(1);
    SetHelpContext(MobileBrightnessSlider,
                   HelpIn(MenuSettingOf(kBrightnessSlot), TMenuSet::Mobile));
    MobileBrightnessMinLabel =
        MakeLabel(MobileBrightnessGroupBox, "Label18", tr("Min"), MobileBrightnessSlider);
    MobileBrightnessMaxLabel =
        MakeLabel(MobileBrightnessGroupBox, "Label19", tr("Max"), MobileBrightnessSlider);
    MobileAutoBrightnessBox = MakeBox(MobileBrightnessGroupBox, "CheckBox_AutoBrightness2",
                                      tr("Auto Brightness"), kAutoBrightnessSlot, TMenuSet::Mobile);
    auto* scale = new QHBoxLayout;
    scale->addWidget(MobileBrightnessMinLabel);
    scale->addWidget(MobileBrightnessSlider, 1);
    scale->addWidget(MobileBrightnessMaxLabel);
    GridOf(MobileBrightnessGroupBox)->addLayout(scale, 0, 0, 1, kGridColumns);
    AddRow(MobileBrightnessGroupBox, MobileAutoBrightnessBox);

    MobileOtherGroupBox = MakeGroup(&page, "GroupBox_Other2", tr("&Other"));
    MobilePowerOnMessageEdit = MakePowerOnMessage(MobileOtherGroupBox, "Edit_Pom2");
    SetHelpContext(MobilePowerOnMessageEdit,
                   HelpIn(MenuSettingOf(kPowerOnMessageSlot), TMenuSet::Mobile));
    MobilePowerOnMessageLabel =
        MakeLabel(MobileOtherGroupBox, "Label20", tr("Power-on Message"), MobilePowerOnMessageEdit);
    MobileMemoryNameBox = MakeBox(MobileOtherGroupBox, "CheckBox_MName2", tr("Memory Name"),
                                  kMemoryNameSlot, TMenuSet::Mobile);
    MobileKeyLockBox = MakeBox(MobileOtherGroupBox, "CheckBox_Lock2", tr("Key Lock"), kKeyLockSlot,
                               TMenuSet::Mobile);
    MobileMicKeyLockBox = MakeBox(MobileOtherGroupBox, "CheckBox_MicKey2", tr("Mic Key Lock"),
                                  kMicKeyLockSlot, TMenuSet::Mobile);
    MobileDataSpeedGroup = MakeRadioGroup(MobileOtherGroupBox, "RadioGroup_DataSpeed2",
                                          tr("Data Speed"), kDataSpeedSlot, TMenuSet::Mobile);
    AddRow(MobileOtherGroupBox, MobilePowerOnMessageLabel, MobilePowerOnMessageEdit);
    AddRow(MobileOtherGroupBox, MobileMemoryNameBox);
    AddRow(MobileOtherGroupBox, MobileKeyLockBox);
    AddRow(MobileOtherGroupBox, MobileMicKeyLockBox);
    AddRadioGroup(MobileOtherGroupBox, MobileDataSpeedGroup);

    LayOutColumns(page, {{MobilePfKeyGroupBox, MobileBrightnessGroupBox}, {MobileOtherGroupBox}});
    ChainTabOrder({MobilePf1List, MobilePf2List, MobilePf3List, MobilePf4List,
                   MobileBrightnessSlider, MobileAutoBrightnessBox, MobilePowerOnMessageEdit,
                   MobileMemoryNameBox, MobileKeyLockBox, MobileMicKeyLockBox,
                   MobileDataSpeedGroup});
}
