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
    Lists = {{BatterySaverList, kBatterySaverSlot, 10},
             {AutoPowerOffList, kAutoPowerOffSlot, 10},
             {MobileAutoPowerOffList, kAutoPowerOffSlot, 10},
             {TimeOutTimerList, kTimeOutTimerSlot, 10},
             {MobileTimeOutTimerList, kTimeOutTimerSlot, 10},
             {VoxGainList, kVoxGainSlot, 10},
             {VoxDelayList, kVoxDelaySlot, 10},
             {DtmfPauseList, kDtmfPauseSlot, 10},
             {MobileDtmfPauseList, kDtmfPauseSlot, 10},
             {ToneBurstList, kToneBurstSlot, 10},
             {MobileToneBurstList, kToneBurstSlot, 10},
             {MobileSquelchHangTimeList, kSquelchHangTimeSlot, 10},
             {MobilePf1List, kPf1Slot, 16},
             {MobilePf2List, kPf2Slot, 16},
             {MobilePf3List, kPf3Slot, 16},
             {MobilePf4List, kPf4Slot, 16}};
    Boxes = {{TuneEnableBox, kTuneEnableSlot, false},
             {MobileTuneEnableBox, kTuneEnableSlot, false},
             {KeyBeepBox, kKeyBeepSlot, false},
             {MobileKeyBeepBox, kKeyBeepSlot, false},
             {TxInhibitBox, kTxInhibitSlot, false},
             {BusyChannelLockoutBox, kBusyChannelLockoutSlot, false},
             {MobileBusyChannelLockoutBox, kBusyChannelLockoutSlot, false},
             {VoxOnBusyBox, kVoxOnBusySlot, false},
             {AutoRepeaterOffsetBox, kRepeaterOffsetSlot, false},
             {MobileAutoRepeaterOffsetBox, kRepeaterOffsetSlot, false},
             {ToneHoldBox, kToneHoldSlot, false},
             {MobileToneHoldBox, kToneHoldSlot, false},
             {DtmfLockBox, kDtmfLockSlot, false},
             {MobileDtmfLockBox, kDtmfLockSlot, false},
             {DtmfHoldBox, kDtmfHoldSlot, false},
             {MobileDtmfHoldBox, kDtmfHoldSlot, false},
             {MemoryNameBox, kMemoryNameSlot, true},
             {MobileMemoryNameBox, kMemoryNameSlot, true},
             {KeyLockBox, kKeyLockSlot, false},
             {MobileKeyLockBox, kKeyLockSlot, false},
             {LampBox, kLampSlot, false},
             {MicKeyLockBox, kMicKeyLockSlot, false},
             {MobileMicKeyLockBox, kMicKeyLockSlot, false},
             {MobileSmeterSquelchBox, kSmeterSquelchSlot, false},
             {MobileDtmfMonitorBox, kDtmfMonitorSlot, false},
             {MobileAutoBrightnessBox, kAutoBrightnessSlot, false}};
    Groups = {{ScanResumeGroup, kScanResumeSlot},    {MobileScanResumeGroup, kScanResumeSlot},
              {DtmfSpeedGroup, kDtmfSpeedSlot},      {MobileDtmfSpeedGroup, kDtmfSpeedSlot},
              {CallKeyGroup, kCallKeySlot},          {MobileCallKeyGroup, kCallKeySlot},
              {MobileDataSpeedGroup, kDataSpeedSlot}};
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
    ConnectScanBoxes(PriorityScanBox, WeatherAlertBox);
    ConnectScanBoxes(MobilePriorityScanBox, MobileWeatherAlertBox);
    connect(MobileBrightnessSlider, &QSlider::valueChanged, this, &TMenuPages::BrightnessChange);
    ConnectPowerOnMessage(PowerOnMessageEdit);
    ConnectPowerOnMessage(MobilePowerOnMessageEdit);
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
    for (QCheckBox* box : {PriorityScanBox, MobilePriorityScanBox}) box->setChecked(scan == "1");
    for (QCheckBox* box : {WeatherAlertBox, MobileWeatherAlertBox}) box->setChecked(scan == "2");
    MobileBrightnessSlider->setValue(BrightnessOf(Data.GetMenuSlot(kBrightnessSlot)));
    LoadPowerOnMessage(PowerOnMessageEdit);
    LoadPowerOnMessage(MobilePowerOnMessageEdit);
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
    DtmfHoldBox->setVisible(profile.HasDtmfHold);

    const bool toneBurst = ToneBurstShown(toneBurstOption, Data);
    for (QWidget* control :
         {static_cast<QWidget*>(ToneBurstLabel), static_cast<QWidget*>(ToneBurstList),
          static_cast<QWidget*>(MobileToneBurstLabel),
          static_cast<QWidget*>(MobileToneBurstList)}) {
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
    for (QCheckBox* box : {WeatherAlertBox, MobileWeatherAlertBox}) {
        box->setVisible(weather);
        if (!weather) box->setChecked(false);  // its handler clears a weather alert setting
    }
    const QString title = weather ? tr("&Scan/Weather") : tr("&Scan");
    ScanGroupBox->setTitle(title);
    MobileScanGroupBox->setTitle(title);
    UpdateMemoryNameBoxes();
}

void TMenuPages::UpdateMemoryNameBoxes() {
    const bool names = Data.HasMemoryNames();
    MemoryNameBox->setEnabled(names);
    MobileMemoryNameBox->setEnabled(names);
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

void TMenuPages::BrightnessChange(int position) {
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
    if (event->type() == QEvent::KeyPress &&
        (watched == PowerOnMessageEdit || watched == MobilePowerOnMessageEdit)) {
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
