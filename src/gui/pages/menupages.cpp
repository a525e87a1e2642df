#include "gui/pages/menupages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <string>

#include "core/model/menuchoices.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "gui/kit/messagebox.h"
#include "gui/pages/radiogroup.h"

namespace {

constexpr int kToneBurst1750Item = 2;

constexpr char kToneBurstWarning[] =
    QT_TRANSLATE_NOOP("Messages",
                      "The 1750 Hz tone is available only for amateur radio communications.\n"
                      "Other tones are not used for amateur radio communications.");
constexpr char kInvalidCharacter[] =
    QT_TRANSLATE_NOOP("Messages", "Invalid character.\nPlease check and try again.");

QString MessageText(const char* text) {
    return QCoreApplication::translate("Messages", text);
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A slot text read as a number: -1 unless it is one or two digits of the base
// (a damaged file may hold anything).
int NumberOf(const std::string& text, int base) {
    if (text.empty() || text.size() > 2) return -1;
    int value = 0;
    for (const char c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return -1;
        value = value * base + digit;
    }
    return value;
}

// The list position a slot text stands for; -1, no selection, when it is not one.
int PositionOf(const std::string& text, int base, int count) {
    const int position = NumberOf(text, base);
    return position < count ? position : -1;
}

// A track bar cannot show "no value": a damaged brightness shows as the brightest.
int BrightnessOf(const std::string& text) {
    const int position = NumberOf(text, 10);
    return position < 0 || position > kHighestBrightness ? kHighestBrightness : position;
}

// Small letters may be typed: the box shows, and so stores, them in upper case.
bool IsPowerOnMessage(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.toUpper().unicode();
        if (u > 0x7F || !IsPowerOnMessageCharacter(static_cast<char>(u))) return false;
    }
    return true;
}

// Whether a key press would put its text into a line edit; control characters
// (Backspace, Enter, Tab, Delete) and Ctrl shortcuts (copy, paste, undo) only edit.
bool TypesText(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return false;
    }
    const QString text = key.text();
    return !text.isEmpty() && text.front().isPrint();
}

QString SlotText(const TRadioData& data, int slot) {
    return QString::fromStdString(data.GetMenuSlot(slot));
}

}  // namespace

TMenuPages::TMenuPages(QWidget& menuPage, QWidget& menu1Page, QWidget& menu2Page, TRadioData& data)
    : QObject(&menuPage), Data(data) {
    BuildHandheldPage(menuPage);
    BuildMenu1Page(menu1Page);
    BuildMenu2Page(menu2Page);
    BindSlots();
    ConnectHandlers();
}

void TMenuPages::BindSlots() {
    Lists = {{ComboBox_Save, kBatterySaverSlot, 10},
             {ComboBox_Apo, kAutoPowerOffSlot, 10},
             {ComboBox_Apo2, kAutoPowerOffSlot, 10},
             {ComboBox_TOT, kTimeOutTimerSlot, 10},
             {ComboBox_TOT2, kTimeOutTimerSlot, 10},
             {ComboBox_VoxGain, kVoxGainSlot, 10},
             {ComboBox_VoxDelay, kVoxDelaySlot, 10},
             {ComboBox_DtmfPause, kDtmfPauseSlot, 10},
             {ComboBox_DtmfPause2, kDtmfPauseSlot, 10},
             {ComboBox_1750Freq, kToneBurstSlot, 10},
             {ComboBox_1750Freq2, kToneBurstSlot, 10},
             {ComboBox_SquelchHangTime2, kSquelchHangTimeSlot, 10},
             {ComboBox_PF12, kPf1Slot, 16},
             {ComboBox_PF22, kPf2Slot, 16},
             {ComboBox_PF32, kPf3Slot, 16},
             {ComboBox_PF42, kPf4Slot, 16}};
    Boxes = {{CheckBox_TuneEnable, kTuneEnableSlot, false},
             {CheckBox_TuneEnable2, kTuneEnableSlot, false},
             {CheckBox_KeyBeep, kKeyBeepSlot, false},
             {CheckBox_KeyBeep2, kKeyBeepSlot, false},
             {CheckBox_TxInhibit, kTxInhibitSlot, false},
             {CheckBox_BusyChLockout, kBusyChannelLockoutSlot, false},
             {CheckBox_BusyChLockout2, kBusyChannelLockoutSlot, false},
             {CheckBox_VoxOnBusy, kVoxOnBusySlot, false},
             {CheckBox_ARO, kRepeaterOffsetSlot, false},
             {CheckBox_ARO2, kRepeaterOffsetSlot, false},
             {CheckBox_t1750Hold, kToneHoldSlot, false},
             {CheckBox_t1750Hold2, kToneHoldSlot, false},
             {CheckBox_DtmfLock, kDtmfLockSlot, false},
             {CheckBox_DtmfLock2, kDtmfLockSlot, false},
             {CheckBox_DtmfHold, kDtmfHoldSlot, false},
             {CheckBox_DtmfHold2, kDtmfHoldSlot, false},
             {CheckBox_MName, kMemoryNameSlot, true},
             {CheckBox_MName2, kMemoryNameSlot, true},
             {CheckBox_Lock, kKeyLockSlot, false},
             {CheckBox_Lock2, kKeyLockSlot, false},
             {CheckBox_Lamp, kLampSlot, false},
             {CheckBox_MicKey, kMicKeyLockSlot, false},
             {CheckBox_MicKey2, kMicKeyLockSlot, false},
             {CheckBox_SmeterSql2, kSmeterSquelchSlot, false},
             {CheckBox_DtmfMonitor2, kDtmfMonitorSlot, false},
             {CheckBox_AutoBrightness2, kAutoBrightnessSlot, false}};
    Groups = {{RadioGroup_ScanResume, kScanResumeSlot}, {RadioGroup_ScanResume2, kScanResumeSlot},
              {RadioGroup_DtmfSpeed, kDtmfSpeedSlot},   {RadioGroup_DtmfSpeed2, kDtmfSpeedSlot},
              {RadioGroup_CallKey, kCallKeySlot},       {RadioGroup_CallKey2, kCallKeySlot},
              {RadioGroup_DataSpeed2, kDataSpeedSlot}};
}

void TMenuPages::ConnectHandlers() {
    for (const TListSlot& binding : Lists) {
        QComboBox* list = binding.List;
        if (binding.Slot == kToneBurstSlot) {
            // activated also comes when the shown item is chosen again.
            connect(list, &QComboBox::activated, this,
                    [this, list](int index) { ToneBurstChange(list, index); });
        } else {
            connect(list, &QComboBox::activated, this,
                    [this, binding](int index) { ListChange(binding, index); });
        }
    }
    for (const TBoxSlot& binding : Boxes) {
        connect(binding.Box, &QCheckBox::toggled, this,
                [this, binding](bool checked) { CheckBoxClick(binding, checked); });
    }
    for (const TGroupSlot& binding : Groups) {
        connect(binding.Group, &TRadioGroup::ItemIndexChanged, this,
                [this, binding](int index) { RadioGroupClick(binding, index); });
    }
    ConnectScanBoxes(CheckBox_Priority, CheckBox_Weather);
    ConnectScanBoxes(CheckBox_Priority2, CheckBox_Weather2);
    connect(TrackBar_Brightness2, &QSlider::valueChanged, this,
            &TMenuPages::TrackBar_Brightness2Change);
    ConnectPowerOnMessage(Edit_Pom);
    ConnectPowerOnMessage(Edit_Pom2);
}

void TMenuPages::ConnectScanBoxes(QCheckBox* priority, QCheckBox* weather) {
    connect(priority, &QCheckBox::toggled, this,
            [this, weather](bool checked) { PriorityScanClick(weather, checked); });
    connect(weather, &QCheckBox::toggled, this,
            [this, priority](bool checked) { WeatherAlertClick(priority, checked); });
}

void TMenuPages::ConnectPowerOnMessage(QLineEdit* edit) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { PowerOnMessageChange(edit); });
}

void TMenuPages::LoadFromSlots() {
    const QScopedValueRollback<bool> loading(Loading, true);
    for (const TListSlot& binding : Lists) LoadList(binding);
    for (const TBoxSlot& binding : Boxes) {
        const char on = binding.Inverted ? '0' : '1';
        binding.Box->setChecked(Data.GetMenuSlot(binding.Slot).starts_with(on));
    }
    for (const TGroupSlot& binding : Groups) {
        const int count = binding.Group->Count();
        binding.Group->SetItemIndex(PositionOf(Data.GetMenuSlot(binding.Slot), 10, count));
    }
    const std::string scan = Data.GetMenuSlot(kPriorityScanSlot);
    for (QCheckBox* box : {CheckBox_Priority, CheckBox_Priority2}) box->setChecked(scan == "1");
    for (QCheckBox* box : {CheckBox_Weather, CheckBox_Weather2}) box->setChecked(scan == "2");
    TrackBar_Brightness2->setValue(BrightnessOf(Data.GetMenuSlot(kBrightnessSlot)));
    LoadPowerOnMessage(Edit_Pom);
    LoadPowerOnMessage(Edit_Pom2);
}

void TMenuPages::LoadList(const TListSlot& binding) {
    const int count = binding.List->count();
    binding.List->setCurrentIndex(PositionOf(Data.GetMenuSlot(binding.Slot), binding.Base, count));
}

// The whole stored text is checked, also what lies beyond the box's six characters.
void TMenuPages::LoadPowerOnMessage(QLineEdit* edit) {
    const QString text = SlotText(Data, kPowerOnMessageSlot);
    if (IsPowerOnMessage(text)) {
        edit->setText(text);
        return;
    }
    ShowMessage(edit->window(), MessageText(kInvalidCharacter), TMessageStyle::Information);
    const QSignalBlocker blocker(edit);
    edit->clear();
    StoreSlot(kPowerOnMessageSlot, QString());
}

void TMenuPages::UpdateMarketControls(bool toneBurstOption) {
    const TModelProfile& profile = ProfileOf(Data);
    CheckBox_DtmfHold->setVisible(profile.HasDtmfHold);

    const bool toneBurst = ToneBurstShown(toneBurstOption, Data);
    for (QWidget* control :
         {static_cast<QWidget*>(Label7), static_cast<QWidget*>(ComboBox_1750Freq),
          static_cast<QWidget*>(Label12), static_cast<QWidget*>(ComboBox_1750Freq2)}) {
        control->setVisible(toneBurst);
    }
    for (const TListSlot& binding : Lists) {
        if (binding.Slot != kToneBurstSlot) continue;
        // Hidden lists show the radio's fixed tone; shown ones the stored one again.
        if (toneBurst) {
            LoadList(binding);
        } else {
            binding.List->setCurrentIndex(kToneBurst1750Item);
        }
    }

    const bool weather = profile.HasWeatherAlert;
    for (QCheckBox* box : {CheckBox_Weather, CheckBox_Weather2}) {
        box->setVisible(weather);
        if (!weather) box->setChecked(false);  // its handler clears a weather alert setting
    }
    const QString title = weather ? tr("&Scan/Weather") : tr("&Scan");
    GroupBox_Scan->setTitle(title);
    GroupBox_Scan2->setTitle(title);
    UpdateMemoryNameBoxes();
}

void TMenuPages::UpdateMemoryNameBoxes() {
    const bool names = Data.HasMemoryNames();
    CheckBox_MName->setEnabled(names);
    CheckBox_MName2->setEnabled(names);
}

void TMenuPages::ListChange(const TListSlot& binding, int index) {
    StoreSlot(binding.Slot, QString::fromStdString(MenuChoiceText(binding.Slot, index)));
}

void TMenuPages::ToneBurstChange(QComboBox* list, int index) {
    ShowMessage(list->window(), MessageText(kToneBurstWarning), TMessageStyle::Warning);
    StoreSlot(kToneBurstSlot, QString::number(index));
}

void TMenuPages::CheckBoxClick(const TBoxSlot& binding, bool checked) {
    if (Loading) return;
    StoreSlot(binding.Slot,
              checked != binding.Inverted ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMenuPages::RadioGroupClick(const TGroupSlot& binding, int index) {
    if (Loading) return;
    StoreSlot(binding.Slot, QString::number(index));
}

// Priority scan and weather alert share a slot, so at most one of them is on.
void TMenuPages::PriorityScanClick(QCheckBox* weather, bool checked) {
    if (Loading) return;
    if (checked) {
        const QSignalBlocker blocker(weather);
        weather->setChecked(false);
    }
    StoreSlot(kPriorityScanSlot, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMenuPages::WeatherAlertClick(QCheckBox* priority, bool checked) {
    if (Loading) return;
    if (checked) {
        const QSignalBlocker blocker(priority);
        priority->setChecked(false);
    }
    StoreSlot(kPriorityScanSlot, checked ? QStringLiteral("2") : QStringLiteral("0"));
}

void TMenuPages::TrackBar_Brightness2Change(int position) {
    if (Loading) return;
    StoreSlot(kBrightnessSlot, QString::fromStdString(MenuChoiceText(kBrightnessSlot, position)));
}

// Pasted or dropped text passes no key filter, so the whole text is checked.
void TMenuPages::PowerOnMessageChange(QLineEdit* edit) {
    if (!IsPowerOnMessage(edit->text())) {
        ShowMessage(edit->window(), MessageText(kInvalidCharacter), TMessageStyle::Information);
        const QSignalBlocker blocker(edit);
        edit->clear();
        StoreSlot(kPowerOnMessageSlot, QString());
        return;
    }
    if (Loading) return;
    StoreSlot(kPowerOnMessageSlot, edit->text());
}

// True when the key is dropped.
bool TMenuPages::PowerOnMessageKeyPress(QWidget* edit, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape || key.text() == QChar(27)) return true;
    if (!TypesText(key)) return false;
    if (IsPowerOnMessage(key.text())) return false;
    ShowMessage(edit->window(), MessageText(kInvalidCharacter), TMessageStyle::Information);
    return true;
}

bool TMenuPages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == Edit_Pom || watched == Edit_Pom2)) {
        return PowerOnMessageKeyPress(static_cast<QWidget*>(watched),
                                      *static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

void TMenuPages::StoreSlot(TMenuSlot slot, const QString& text) {
    Data.SetMenuSlot(slot, text.toStdString());
    Data.Changed = true;
    emit DataChanged(slot);
}
