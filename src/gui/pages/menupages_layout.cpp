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
    GroupBox_Power = MakeGroup(&page, "GroupBox_Power", tr("Po&wer"));
    ComboBox_Save =
        MakeList(GroupBox_Power, "ComboBox_Save", kBatterySaverSlot, TMenuSet::Handheld);
    Label1 = MakeLabel(GroupBox_Power, "Label1", tr("Battery Saver"), ComboBox_Save);
    ComboBox_Apo = MakeList(GroupBox_Power, "ComboBox_Apo", kAutoPowerOffSlot, TMenuSet::Handheld);
    Label2 = MakeLabel(GroupBox_Power, "Label2", tr("Auto Power Off"), ComboBox_Apo);
    AddRow(GroupBox_Power, Label1, ComboBox_Save);
    AddRow(GroupBox_Power, Label2, ComboBox_Apo);

    GroupBox_Scan = MakeGroup(&page, "GroupBox_Scan", tr("&Scan/Weather"));
    CheckBox_Priority = MakeBox(GroupBox_Scan, "CheckBox_Priority", tr("Priority Scan"),
                                kPriorityScanSlot, TMenuSet::Handheld);
    CheckBox_Weather =
        MakeBox(GroupBox_Scan, "CheckBox_Weather", tr("Weather Alert"), kWeatherAlertHelp);
    RadioGroup_ScanResume = MakeRadioGroup(GroupBox_Scan, "RadioGroup_ScanResume",
                                           tr("Scan Resume"), kScanResumeSlot, TMenuSet::Handheld);
    CheckBox_TuneEnable = MakeBox(GroupBox_Scan, "CheckBox_TuneEnable", tr("Tune Enable"),
                                  kTuneEnableSlot, TMenuSet::Handheld);
    AddRow(GroupBox_Scan, CheckBox_Priority, CheckBox_Weather);
    AddRadioGroup(GroupBox_Scan, RadioGroup_ScanResume);
    AddRow(GroupBox_Scan, CheckBox_TuneEnable);

    GroupBox_RxTx = MakeGroup(&page, "GroupBox_RxTx", tr("R&X/TX"));
    ComboBox_TOT = MakeList(GroupBox_RxTx, "ComboBox_TOT", kTimeOutTimerSlot, TMenuSet::Handheld);
    Label3 = MakeLabel(GroupBox_RxTx, "Label3", tr("Time-out Timer"), ComboBox_TOT);
    CheckBox_KeyBeep = MakeBox(GroupBox_RxTx, "CheckBox_KeyBeep", tr("Key Beep"), kKeyBeepSlot,
                               TMenuSet::Handheld);
    CheckBox_TxInhibit = MakeBox(GroupBox_RxTx, "CheckBox_TxInhibit", tr("Tx Inhibit"),
                                 kTxInhibitSlot, TMenuSet::Handheld);
    CheckBox_BusyChLockout = MakeBox(GroupBox_RxTx, "CheckBox_BusyChLockout", tr("Busy Ch Lockout"),
                                     kBusyChannelLockoutSlot, TMenuSet::Handheld);
    AddRow(GroupBox_RxTx, Label3, ComboBox_TOT, CheckBox_KeyBeep);
    AddRow(GroupBox_RxTx, CheckBox_TxInhibit, CheckBox_BusyChLockout);

    GroupBox_Vox = MakeGroup(&page, "GroupBox_Vox", tr("&VOX"));
    ComboBox_VoxGain = MakeList(GroupBox_Vox, "ComboBox_VoxGain", kVoxGainSlot, TMenuSet::Handheld);
    Label4 = MakeLabel(GroupBox_Vox, "Label4", tr("VOX Gain"), ComboBox_VoxGain);
    CheckBox_VoxOnBusy = MakeBox(GroupBox_Vox, "CheckBox_VoxOnBusy", tr("VOX on Busy"),
                                 kVoxOnBusySlot, TMenuSet::Handheld);
    ComboBox_VoxDelay =
        MakeList(GroupBox_Vox, "ComboBox_VoxDelay", kVoxDelaySlot, TMenuSet::Handheld);
    Label5 = MakeLabel(GroupBox_Vox, "Label5", tr("VOX Delay"), ComboBox_VoxDelay);
    AddRow(GroupBox_Vox, Label4, ComboBox_VoxGain, CheckBox_VoxOnBusy);
    AddRow(GroupBox_Vox, Label5, ComboBox_VoxDelay);

    GroupBox_Repeater = MakeGroup(&page, "GroupBox_Repeater", tr("Re&peater"));
    CheckBox_ARO = MakeBox(GroupBox_Repeater, "CheckBox_ARO", tr("Automatic Repeater Offset"),
                           kRepeaterOffsetSlot, TMenuSet::Handheld);
    CheckBox_t1750Hold = MakeBox(GroupBox_Repeater, "CheckBox_t1750Hold", tr("1750Hz Tone Hold"),
                                 kToneHoldSlot, TMenuSet::Handheld);
    RadioGroup_CallKey = MakeRadioGroup(GroupBox_Repeater, "RadioGroup_CallKey", tr("CALL Key"),
                                        kCallKeySlot, TMenuSet::Handheld);
    ComboBox_1750Freq =
        MakeList(GroupBox_Repeater, "ComboBox_1750Freq", kToneBurstSlot, TMenuSet::Handheld);
    Label7 = MakeLabel(GroupBox_Repeater, "Label7", tr("Tone Burst Frequency"), ComboBox_1750Freq);
    AddRow(GroupBox_Repeater, CheckBox_ARO);
    AddRow(GroupBox_Repeater, CheckBox_t1750Hold);
    AddRadioGroup(GroupBox_Repeater, RadioGroup_CallKey);
    AddLooseRow(GroupBox_Repeater, Label7, ComboBox_1750Freq);

    GroupBox_Dtmf = MakeGroup(&page, "GroupBox_Dtmf", tr("D&TMF"));
    CheckBox_DtmfLock = MakeBox(GroupBox_Dtmf, "CheckBox_DtmfLock", tr("DTMF Lock"), kDtmfLockSlot,
                                TMenuSet::Handheld);
    CheckBox_DtmfHold = MakeBox(GroupBox_Dtmf, "CheckBox_DtmfHold", tr("DTMF Hold"), kDtmfHoldSlot,
                                TMenuSet::Handheld);
    ComboBox_DtmfPause =
        MakeList(GroupBox_Dtmf, "ComboBox_DtmfPause", kDtmfPauseSlot, TMenuSet::Handheld);
    Label6 = MakeLabel(GroupBox_Dtmf, "Label6", tr("DTMF Pause"), ComboBox_DtmfPause);
    RadioGroup_DtmfSpeed = MakeRadioGroup(GroupBox_Dtmf, "RadioGroup_DtmfSpeed", tr("DTMF Speed"),
                                          kDtmfSpeedSlot, TMenuSet::Handheld);
    AddRow(GroupBox_Dtmf, CheckBox_DtmfLock, CheckBox_DtmfHold);
    AddRow(GroupBox_Dtmf, Label6, ComboBox_DtmfPause);
    AddRadioGroup(GroupBox_Dtmf, RadioGroup_DtmfSpeed);

    GroupBox_Other = MakeGroup(&page, "GroupBox_Other", tr("&Other"));
    Edit_Pom = MakePowerOnMessage(GroupBox_Other, "Edit_Pom");
    SetHelpContext(Edit_Pom, HelpIn(MenuSettingOf(kPowerOnMessageSlot), TMenuSet::Handheld));
    Label8 = MakeLabel(GroupBox_Other, "Label8", tr("Power-on Message"), Edit_Pom);
    CheckBox_MName = MakeBox(GroupBox_Other, "CheckBox_MName", tr("Memory Name"), kMemoryNameSlot,
                             TMenuSet::Handheld);
    CheckBox_Lock =
        MakeBox(GroupBox_Other, "CheckBox_Lock", tr("Key Lock"), kKeyLockSlot, TMenuSet::Handheld);
    CheckBox_Lamp =
        MakeBox(GroupBox_Other, "CheckBox_Lamp", tr("Lamp"), kLampSlot, TMenuSet::Handheld);
    CheckBox_MicKey = MakeBox(GroupBox_Other, "CheckBox_MicKey", tr("Disable MIC PF Key"),
                              kMicKeyLockSlot, TMenuSet::Handheld);
    AddRow(GroupBox_Other, Label8, Edit_Pom);
    AddRow(GroupBox_Other, CheckBox_Lock, CheckBox_MName);
    AddRow(GroupBox_Other, CheckBox_Lamp, CheckBox_MicKey);

    LayOutColumns(page, {{GroupBox_Power, GroupBox_Scan, GroupBox_RxTx, GroupBox_Vox},
                         {GroupBox_Repeater, GroupBox_Dtmf, GroupBox_Other}});
    ChainTabOrder({ComboBox_Save,         ComboBox_Apo,
                   CheckBox_Priority,     CheckBox_Weather,
                   RadioGroup_ScanResume, CheckBox_TuneEnable,
                   ComboBox_TOT,          CheckBox_KeyBeep,
                   CheckBox_TxInhibit,    CheckBox_BusyChLockout,
                   ComboBox_VoxGain,      CheckBox_VoxOnBusy,
                   ComboBox_VoxDelay,     CheckBox_ARO,
                   CheckBox_t1750Hold,    RadioGroup_CallKey,
                   ComboBox_1750Freq,     CheckBox_DtmfLock,
                   CheckBox_DtmfHold,     ComboBox_DtmfPause,
                   RadioGroup_DtmfSpeed,  Edit_Pom,
                   CheckBox_Lock,         CheckBox_MName,
                   CheckBox_Lamp,         CheckBox_MicKey});
}

void TMenuPages::BuildMenu1Page(QWidget& page) {
    GroupBox_Power2 = MakeGroup(&page, "GroupBox_Power2", tr("Po&wer"));
    ComboBox_Apo2 = MakeList(GroupBox_Power2, "ComboBox_Apo2", kAutoPowerOffSlot, TMenuSet::Mobile);
    Label9 = MakeLabel(GroupBox_Power2, "Label9", tr("Auto Power Off"), ComboBox_Apo2);
    AddRow(GroupBox_Power2, Label9, ComboBox_Apo2);

    GroupBox_Scan2 = MakeGroup(&page, "GroupBox_Scan2", tr("&Scan/Weather"));
    CheckBox_Priority2 = MakeBox(GroupBox_Scan2, "CheckBox_Priority2", tr("Priority Scan"),
                                 kPriorityScanSlot, TMenuSet::Mobile);
    CheckBox_Weather2 =
        MakeBox(GroupBox_Scan2, "CheckBox_Weather2", tr("Weather Alert"), kWeatherAlertHelp);
    RadioGroup_ScanResume2 = MakeRadioGroup(GroupBox_Scan2, "RadioGroup_ScanResume2",
                                            tr("Scan Resume"), kScanResumeSlot, TMenuSet::Mobile);
    CheckBox_TuneEnable2 = MakeBox(GroupBox_Scan2, "CheckBox_TuneEnable2", tr("Tune Enable"),
                                   kTuneEnableSlot, TMenuSet::Mobile);
    AddRow(GroupBox_Scan2, CheckBox_Priority2, CheckBox_Weather2);
    AddRadioGroup(GroupBox_Scan2, RadioGroup_ScanResume2);
    AddRow(GroupBox_Scan2, CheckBox_TuneEnable2);

    GroupBox_RxTx2 = MakeGroup(&page, "GroupBox_RxTx2", tr("R&X/TX"));
    CheckBox_SmeterSql2 = MakeBox(GroupBox_RxTx2, "CheckBox_SmeterSql2", tr("S-Meter Squelch"),
                                  kSmeterSquelchSlot, TMenuSet::Mobile);
    ComboBox_SquelchHangTime2 = MakeList(GroupBox_RxTx2, "ComboBox_SquelchHangTime2",
                                         kSquelchHangTimeSlot, TMenuSet::Mobile);
    Label10 =
        MakeLabel(GroupBox_RxTx2, "Label10", tr("Squelch Hang Time"), ComboBox_SquelchHangTime2);
    ComboBox_TOT2 = MakeList(GroupBox_RxTx2, "ComboBox_TOT2", kTimeOutTimerSlot, TMenuSet::Mobile);
    Label11 = MakeLabel(GroupBox_RxTx2, "Label11", tr("Time-out Timer"), ComboBox_TOT2);
    CheckBox_BusyChLockout2 =
        MakeBox(GroupBox_RxTx2, "CheckBox_BusyChLockout2", tr("Busy Ch Lockout"),
                kBusyChannelLockoutSlot, TMenuSet::Mobile);
    CheckBox_KeyBeep2 = MakeBox(GroupBox_RxTx2, "CheckBox_KeyBeep2", tr("Key Beep"), kKeyBeepSlot,
                                TMenuSet::Mobile);
    AddRow(GroupBox_RxTx2, CheckBox_SmeterSql2);
    AddRow(GroupBox_RxTx2, Label10, ComboBox_SquelchHangTime2);
    AddRow(GroupBox_RxTx2, Label11, ComboBox_TOT2);
    AddRow(GroupBox_RxTx2, CheckBox_KeyBeep2, CheckBox_BusyChLockout2);

    GroupBox_Repeater2 = MakeGroup(&page, "GroupBox_Repeater2", tr("Re&peater"));
    CheckBox_ARO2 = MakeBox(GroupBox_Repeater2, "CheckBox_ARO2", tr("Automatic Repeater Offset"),
                            kRepeaterOffsetSlot, TMenuSet::Mobile);
    CheckBox_t1750Hold2 = MakeBox(GroupBox_Repeater2, "CheckBox_t1750Hold2", tr("1750Hz Tone Hold"),
                                  kToneHoldSlot, TMenuSet::Mobile);
    RadioGroup_CallKey2 = MakeRadioGroup(GroupBox_Repeater2, "RadioGroup_CallKey2", tr("CALL Key"),
                                         kCallKeySlot, TMenuSet::Mobile);
    ComboBox_1750Freq2 =
        MakeList(GroupBox_Repeater2, "ComboBox_1750Freq2", kToneBurstSlot, TMenuSet::Mobile);
    Label12 =
        MakeLabel(GroupBox_Repeater2, "Label12", tr("Tone Burst Frequency"), ComboBox_1750Freq2);
    AddRow(GroupBox_Repeater2, CheckBox_ARO2);
    AddRow(GroupBox_Repeater2, CheckBox_t1750Hold2);
    AddRadioGroup(GroupBox_Repeater2, RadioGroup_CallKey2);
    AddLooseRow(GroupBox_Repeater2, Label12, ComboBox_1750Freq2);

    GroupBox_Dtmf2 = MakeGroup(&page, "GroupBox_Dtmf2", tr("D&TMF"));
    CheckBox_DtmfLock2 = MakeBox(GroupBox_Dtmf2, "CheckBox_DtmfLock2", tr("DTMF Lock"),
                                 kDtmfLockSlot, TMenuSet::Mobile);
    CheckBox_DtmfHold2 = MakeBox(GroupBox_Dtmf2, "CheckBox_DtmfHold2", tr("DTMF Hold"),
                                 kDtmfHoldSlot, TMenuSet::Mobile);
    CheckBox_DtmfMonitor2 = MakeBox(GroupBox_Dtmf2, "CheckBox_DtmfMonitor2", tr("DTMF Monitor"),
                                    kDtmfMonitorSlot, TMenuSet::Mobile);
    ComboBox_DtmfPause2 =
        MakeList(GroupBox_Dtmf2, "ComboBox_DtmfPause2", kDtmfPauseSlot, TMenuSet::Mobile);
    Label13 = MakeLabel(GroupBox_Dtmf2, "Label13", tr("DTMF Pause"), ComboBox_DtmfPause2);
    RadioGroup_DtmfSpeed2 = MakeRadioGroup(GroupBox_Dtmf2, "RadioGroup_DtmfSpeed2",
                                           tr("DTMF Speed"), kDtmfSpeedSlot, TMenuSet::Mobile);
    AddRow(GroupBox_Dtmf2, CheckBox_DtmfLock2, CheckBox_DtmfHold2);
    AddRow(GroupBox_Dtmf2, CheckBox_DtmfMonitor2);
    AddRow(GroupBox_Dtmf2, Label13, ComboBox_DtmfPause2);
    AddRadioGroup(GroupBox_Dtmf2, RadioGroup_DtmfSpeed2);

    LayOutColumns(page, {{GroupBox_Power2, GroupBox_Scan2, GroupBox_RxTx2},
                         {GroupBox_Repeater2, GroupBox_Dtmf2}});
    ChainTabOrder({ComboBox_Apo2, CheckBox_Priority2, CheckBox_Weather2, RadioGroup_ScanResume2,
                   CheckBox_TuneEnable2, CheckBox_SmeterSql2, ComboBox_SquelchHangTime2,
                   ComboBox_TOT2, CheckBox_KeyBeep2, CheckBox_BusyChLockout2, CheckBox_ARO2,
                   CheckBox_t1750Hold2, RadioGroup_CallKey2, ComboBox_1750Freq2, CheckBox_DtmfLock2,
                   CheckBox_DtmfHold2, CheckBox_DtmfMonitor2, ComboBox_DtmfPause2,
                   RadioGroup_DtmfSpeed2});
}

void TMenuPages::BuildMenu2Page(QWidget& page) {
    GroupBox_PfKey2 = MakeGroup(&page, "GroupBox_PfKey2", tr("PF &Key"));
    ComboBox_PF12 = MakeList(GroupBox_PfKey2, "ComboBox_PF12", kPf1Slot, TMenuSet::Mobile);
    Label14 = MakeLabel(GroupBox_PfKey2, "Label14", QStringLiteral("PF1"), ComboBox_PF12);
    ComboBox_PF22 = MakeList(GroupBox_PfKey2, "ComboBox_PF22", kPf2Slot, TMenuSet::Mobile);
    Label15 = MakeLabel(GroupBox_PfKey2, "Label15", QStringLiteral("PF2"), ComboBox_PF22);
    ComboBox_PF32 = MakeList(GroupBox_PfKey2, "ComboBox_PF32", kPf3Slot, TMenuSet::Mobile);
    Label16 = MakeLabel(GroupBox_PfKey2, "Label16", QStringLiteral("PF3"), ComboBox_PF32);
    ComboBox_PF42 = MakeList(GroupBox_PfKey2, "ComboBox_PF42", kPf4Slot, TMenuSet::Mobile);
    Label17 = MakeLabel(GroupBox_PfKey2, "Label17", QStringLiteral("PF4"), ComboBox_PF42);
    AddRow(GroupBox_PfKey2, Label14, ComboBox_PF12);
    AddRow(GroupBox_PfKey2, Label15, ComboBox_PF22);
    AddRow(GroupBox_PfKey2, Label16, ComboBox_PF32);
    AddRow(GroupBox_PfKey2, Label17, ComboBox_PF42);

    GroupBox_Brightness2 = MakeGroup(&page, "GroupBox_Brightness2", tr("&Brightness"));
    TrackBar_Brightness2 = new QSlider(Qt::Horizontal, GroupBox_Brightness2);
    TrackBar_Brightness2->setObjectName(QStringLiteral("TrackBar_Brightness2"));
    TrackBar_Brightness2->setRange(0, kHighestBrightness);
    TrackBar_Brightness2->setPageStep(4);
    TrackBar_Brightness2->setTickPosition(QSlider::TicksBelow);
    TrackBar_Brightness2->setTickInterval(1);
    SetHelpContext(TrackBar_Brightness2, HelpIn(MenuSettingOf(kBrightnessSlot), TMenuSet::Mobile));
    Label18 = MakeLabel(GroupBox_Brightness2, "Label18", tr("Min"), TrackBar_Brightness2);
    Label19 = MakeLabel(GroupBox_Brightness2, "Label19", tr("Max"), TrackBar_Brightness2);
    CheckBox_AutoBrightness2 =
        MakeBox(GroupBox_Brightness2, "CheckBox_AutoBrightness2", tr("Auto Brightness"),
                kAutoBrightnessSlot, TMenuSet::Mobile);
    auto* scale = new QHBoxLayout;
    scale->addWidget(Label18);
    scale->addWidget(TrackBar_Brightness2, 1);
    scale->addWidget(Label19);
    GridOf(GroupBox_Brightness2)->addLayout(scale, 0, 0, 1, kGridColumns);
    AddRow(GroupBox_Brightness2, CheckBox_AutoBrightness2);

    GroupBox_Other2 = MakeGroup(&page, "GroupBox_Other2", tr("&Other"));
    Edit_Pom2 = MakePowerOnMessage(GroupBox_Other2, "Edit_Pom2");
    SetHelpContext(Edit_Pom2, HelpIn(MenuSettingOf(kPowerOnMessageSlot), TMenuSet::Mobile));
    Label20 = MakeLabel(GroupBox_Other2, "Label20", tr("Power-on Message"), Edit_Pom2);
    CheckBox_MName2 = MakeBox(GroupBox_Other2, "CheckBox_MName2", tr("Memory Name"),
                              kMemoryNameSlot, TMenuSet::Mobile);
    CheckBox_Lock2 =
        MakeBox(GroupBox_Other2, "CheckBox_Lock2", tr("Key Lock"), kKeyLockSlot, TMenuSet::Mobile);
    CheckBox_MicKey2 = MakeBox(GroupBox_Other2, "CheckBox_MicKey2", tr("Mic Key Lock"),
                               kMicKeyLockSlot, TMenuSet::Mobile);
    RadioGroup_DataSpeed2 = MakeRadioGroup(GroupBox_Other2, "RadioGroup_DataSpeed2",
                                           tr("Data Speed"), kDataSpeedSlot, TMenuSet::Mobile);
    AddRow(GroupBox_Other2, Label20, Edit_Pom2);
    AddRow(GroupBox_Other2, CheckBox_MName2);
    AddRow(GroupBox_Other2, CheckBox_Lock2);
    AddRow(GroupBox_Other2, CheckBox_MicKey2);
    AddRadioGroup(GroupBox_Other2, RadioGroup_DataSpeed2);

    LayOutColumns(page, {{GroupBox_PfKey2, GroupBox_Brightness2}, {GroupBox_Other2}});
    ChainTabOrder({ComboBox_PF12, ComboBox_PF22, ComboBox_PF32, ComboBox_PF42, TrackBar_Brightness2,
                   CheckBox_AutoBrightness2, Edit_Pom2, CheckBox_MName2, CheckBox_Lock2,
                   CheckBox_MicKey2, RadioGroup_DataSpeed2});
}
