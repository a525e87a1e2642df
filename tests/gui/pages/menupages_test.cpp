#include "gui/pages/menupages.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTranslator>
#include <array>
#include <string>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "gui/pages/radiogroup.h"
#include "support/everyconfiguration.h"
#include "support/guitestsupport.h"
#include "support/testdata.h"

namespace {

using TSlots = std::array<std::string, TRadioData::kMenuSlotCount>;

constexpr char kInvalidCharacter[] = "Invalid character.\nPlease check and try again.";
constexpr char kToneBurstWarning[] =
    "The 1750 Hz tone is available only for amateur radio communications.\n"
    "Other tones are not used for amateur radio communications.";

TSlots SlotsOf(const TRadioData& data) {
    TSlots texts;
    for (int slot = 1; slot <= TRadioData::kMenuSlotCount; ++slot) {
        texts[static_cast<size_t>(slot - 1)] = data.GetMenuSlot(slot);
    }
    return texts;
}

// A person's click on the box or round button itself, not on the empty room beside it.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Opens the drop-down list and picks the item with Enter, as a person does;
// picking the item already shown counts as a choice too.
void Choose(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

class MenuPagesTest : public ::testing::Test {
protected:
    MenuPagesTest() {
        for (QWidget* page : {&MenuPage, &Menu1Page, &Menu2Page}) {
            page->resize(505, 290);
            page->show();
        }
        Configure("PX-A7", "AM70", "49");
    }

    // A data set as New makes it, loaded into the pages as RefreshGrids does.
    void Configure(const char* model, const char* marketCode, const char* count) {
        Data = ConfiguredData(model, marketCode, count);
        Data.ApplyMenuDefaults();
        Pages->LoadFromSlots();
        Data.Changed = false;
    }

    // The control of either layout with this name.
    template <typename T>
    T* Control(const char* name) {
        for (QWidget* page : {&MenuPage, &Menu1Page, &Menu2Page}) {
            if (T* control = page->findChild<T*>(QLatin1String(name))) return control;
        }
        ADD_FAILURE() << "no control " << name;
        return nullptr;
    }

    // An unexpected message fails the test instead of waiting for a person.
    TScriptedMessages Messages;
    QWidget MenuPage;
    QWidget Menu1Page;
    QWidget Menu2Page;
    TRadioData Data;
    TMenuPages* Pages = new TMenuPages(MenuPage, Menu1Page, Menu2Page, Data);
    QSignalSpy Changes{Pages, &TMenuPages::DataChanged};
};

// One setting per row: the control's state and the slot text that stands for it.
// Every state differs from the default of the configuration above.
struct TMapping {
    const char* Control;
    int State;  // list position, round button, or 1 checked / 0 not
    int Slot;
    const char* Text;
};

constexpr TMapping kMappings[] = {
    {"ComboBox_Save", 9, 1, "9"},           {"ComboBox_Apo", 5, 2, "5"},
    {"RadioGroup_ScanResume", 2, 4, "2"},   {"CheckBox_TuneEnable", 1, 5, "1"},
    {"CheckBox_KeyBeep", 0, 6, "0"},        {"CheckBox_TxInhibit", 1, 7, "1"},
    {"CheckBox_BusyChLockout", 1, 8, "1"},  {"ComboBox_TOT", 0, 9, "0"},
    {"ComboBox_VoxGain", 9, 10, "9"},       {"CheckBox_VoxOnBusy", 1, 11, "1"},
    {"ComboBox_VoxDelay", 6, 12, "6"},      {"CheckBox_ARO", 1, 13, "1"},
    {"CheckBox_t1750Hold", 1, 14, "1"},     {"CheckBox_DtmfLock", 1, 15, "1"},
    {"CheckBox_DtmfHold", 1, 16, "1"},      {"ComboBox_DtmfPause", 6, 17, "6"},
    {"RadioGroup_DtmfSpeed", 1, 18, "1"},   {"CheckBox_MName", 0, 20, "1"},
    {"CheckBox_Lock", 1, 21, "1"},          {"CheckBox_Lamp", 1, 22, "1"},
    {"RadioGroup_CallKey", 1, 23, "1"},     {"CheckBox_MicKey", 1, 24, "1"},
    {"ComboBox_Apo2", 3, 2, "3"},           {"RadioGroup_ScanResume2", 1, 4, "1"},
    {"CheckBox_TuneEnable2", 1, 5, "1"},    {"CheckBox_KeyBeep2", 0, 6, "0"},
    {"CheckBox_BusyChLockout2", 1, 8, "1"}, {"ComboBox_TOT2", 1, 9, "1"},
    {"CheckBox_ARO2", 1, 13, "1"},          {"CheckBox_t1750Hold2", 1, 14, "1"},
    {"CheckBox_DtmfLock2", 1, 15, "1"},     {"CheckBox_DtmfHold2", 1, 16, "1"},
    {"ComboBox_DtmfPause2", 0, 17, "0"},    {"RadioGroup_DtmfSpeed2", 1, 18, "1"},
    {"CheckBox_MName2", 0, 20, "1"},        {"CheckBox_Lock2", 1, 21, "1"},
    {"RadioGroup_CallKey2", 1, 23, "1"},    {"CheckBox_MicKey2", 1, 24, "1"},
    {"CheckBox_SmeterSql2", 1, 27, "1"},    {"ComboBox_SquelchHangTime2", 3, 28, "3"},
    {"ComboBox_PF12", 18, 29, "12"},        {"ComboBox_PF22", 0, 30, "00"},
    {"ComboBox_PF32", 10, 31, "0A"},        {"ComboBox_PF42", 15, 32, "0F"},
    {"CheckBox_DtmfMonitor2", 1, 33, "1"},  {"CheckBox_AutoBrightness2", 1, 34, "1"},
    {"RadioGroup_DataSpeed2", 1, 35, "1"},
};

class MenuPageMappings : public MenuPagesTest {
protected:
    void Operate(const TMapping& mapping) {
        QObject* control = Control<QObject>(mapping.Control);
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            Choose(list, mapping.State);
        } else if (auto* group = qobject_cast<TRadioGroup*>(control)) {
            Click(group->Button(mapping.State));
        } else {
            Click(qobject_cast<QCheckBox*>(control));
        }
    }

    int StateOf(const TMapping& mapping) {
        QObject* control = Control<QObject>(mapping.Control);
        if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
        if (auto* group = qobject_cast<TRadioGroup*>(control)) return group->ItemIndex();
        return qobject_cast<QCheckBox*>(control)->isChecked() ? 1 : 0;
    }
};

TEST_F(MenuPageMappings, EachUserChangeStoresItsSlotAlone) {
    for (const TMapping& mapping : kMappings) {
        SCOPED_TRACE(mapping.Control);
        Configure("PX-A7", "AM70", "49");
        Changes.clear();
        TSlots expected = SlotsOf(Data);
        expected[static_cast<size_t>(mapping.Slot - 1)] = mapping.Text;
        Operate(mapping);
        EXPECT_EQ(StateOf(mapping), mapping.State);
        EXPECT_EQ(SlotsOf(Data), expected);
        EXPECT_TRUE(Data.Changed);
        EXPECT_EQ(Changes.count(), 1);
    }
}

TEST_F(MenuPageMappings, EachSlotShowsInItsControl) {
    for (const TMapping& mapping : kMappings) {
        SCOPED_TRACE(mapping.Control);
        Configure("PX-A7", "AM70", "49");
        Data.SetMenuSlot(mapping.Slot, mapping.Text);
        Pages->LoadFromSlots();
        EXPECT_EQ(StateOf(mapping), mapping.State);
    }
}

class MenuPagesOfEveryConfiguration : public MenuPagesTest,
                                      public ::testing::WithParamInterface<int> {};

TEST_P(MenuPagesOfEveryConfiguration, LoadingDefaultsKeepsEverySlot) {
    const TModelInfo& row = RowOf(GetParam());
    SCOPED_TRACE(row.Caption);
    Data = TRadioData();
    ApplyConfiguration(Data, row);
    Data.ApplyMenuDefaults();
    const TSlots before = SlotsOf(Data);
    Pages->LoadFromSlots();
    EXPECT_EQ(SlotsOf(Data), before);
    EXPECT_FALSE(Data.Changed);
    EXPECT_EQ(Changes.count(), 0);
    EXPECT_EQ(Pages->MobileBrightnessSlider->value(), 31);
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(MenuPagesOfEveryConfiguration);

TEST_F(MenuPagesTest, LoadingAFullyChangedSetKeepsEverySlot) {
    for (const TMapping& mapping : kMappings) Data.SetMenuSlot(mapping.Slot, mapping.Text);
    Data.SetMenuSlot(3, "1");
    Data.SetMenuSlot(19, "hi-7 /");
    Data.SetMenuSlot(25, "0");
    Data.SetMenuSlot(36, "07");
    const TSlots before = SlotsOf(Data);
    Pages->LoadFromSlots();
    EXPECT_EQ(SlotsOf(Data), before);
    EXPECT_FALSE(Data.Changed);
    EXPECT_EQ(Changes.count(), 0);
    EXPECT_TRUE(Pages->MobilePriorityScanBox->isChecked());
    EXPECT_EQ(Pages->PowerOnMessageEdit->text(), "HI-7 /");
    EXPECT_EQ(Pages->MobileToneBurstList->currentText(), "1000Hz");
    EXPECT_EQ(Pages->MobileBrightnessSlider->value(), 7);
}

// A damaged file may hold anything; the controls show what they can and the
// slot keeps its text until the user picks a value.
TEST_F(MenuPagesTest, DamagedSlotTextsShowAsNoChoiceAndSurviveLoading) {
    Data.SetMenuSlot(1, "A");
    Data.SetMenuSlot(4, "9");
    Data.SetMenuSlot(5, "7");
    Data.SetMenuSlot(9, "3");
    Data.SetMenuSlot(20, "x");
    Data.SetMenuSlot(29, "1Z");
    Data.SetMenuSlot(30, "13");
    Data.SetMenuSlot(31, "");
    Data.SetMenuSlot(36, "99");
    const TSlots before = SlotsOf(Data);
    Pages->LoadFromSlots();
    EXPECT_EQ(SlotsOf(Data), before);
    EXPECT_FALSE(Data.Changed);
    EXPECT_EQ(Pages->BatterySaverList->currentIndex(), -1);
    EXPECT_EQ(Pages->MobileTimeOutTimerList->currentIndex(), -1);
    EXPECT_EQ(Pages->MobilePf1List->currentIndex(), -1);
    EXPECT_EQ(Pages->MobilePf2List->currentIndex(), -1);
    EXPECT_EQ(Pages->MobilePf3List->currentIndex(), -1);
    EXPECT_EQ(Pages->ScanResumeGroup->ItemIndex(), -1);
    EXPECT_FALSE(Pages->TuneEnableBox->isChecked());
    EXPECT_FALSE(Pages->MobileMemoryNameBox->isChecked());
    EXPECT_EQ(Pages->MobileBrightnessSlider->value(), 31);

    Click(Pages->ScanResumeGroup->Button(1));
    Choose(Pages->TimeOutTimerList, 2);
    EXPECT_EQ(Data.GetMenuSlot(4), "1");
    EXPECT_EQ(Data.GetMenuSlot(9), "2");
}

TEST_F(MenuPagesTest, PfListsReadAndWriteHexadecimalPositions) {
    Data.SetMenuSlot(29, "0A");
    Data.SetMenuSlot(30, "0f");
    Pages->LoadFromSlots();
    EXPECT_EQ(Pages->MobilePf1List->currentText(), "M.IN");
    EXPECT_EQ(Pages->MobilePf2List->currentText(), "BRIGHT");
    Choose(Pages->MobilePf3List, Pages->MobilePf3List->findText("STEP"));
    EXPECT_EQ(Data.GetMenuSlot(31), "12");
}

TEST_F(MenuPagesTest, KeyboardChoiceInAClosedListIsStored) {
    Pages->VoxDelayList->setFocus();
    QTest::keyClick(Pages->VoxDelayList, Qt::Key_Down);
    EXPECT_EQ(Data.GetMenuSlot(12), "2");
    EXPECT_EQ(Changes.count(), 1);
}

TEST_F(MenuPagesTest, PriorityScanAndWeatherAlertExcludeEachOther) {
    Configure("PX-A5", "AKF0", "49");
    Pages->UpdateMarketControls(true);
    const std::pair<QCheckBox*, QCheckBox*> pages[] = {
        {Pages->PriorityScanBox, Pages->WeatherAlertBox},
        {Pages->MobilePriorityScanBox, Pages->MobileWeatherAlertBox}};
    for (const auto& [priority, weather] : pages) {
        SCOPED_TRACE(priority->objectName().toStdString());
        Click(priority);
        EXPECT_EQ(Data.GetMenuSlot(3), "1");
        Click(weather);
        EXPECT_FALSE(priority->isChecked());
        EXPECT_EQ(Data.GetMenuSlot(3), "2");
        Click(priority);
        EXPECT_FALSE(weather->isChecked());
        EXPECT_EQ(Data.GetMenuSlot(3), "1");
        Click(priority);
        EXPECT_EQ(Data.GetMenuSlot(3), "0");
        Click(weather);
        Click(weather);
        EXPECT_EQ(Data.GetMenuSlot(3), "0");
    }
    EXPECT_EQ(Changes.count(), 12);
}

TEST_F(MenuPagesTest, WeatherAlertExistsOnlyForUsCanadaPxA5AndRv310) {
    const struct {
        const char* Model;
        const char* MarketCode;
        const char* Count;
        bool Weather;
    } rows[] = {{"PX-A5", "AKF0", "49", true},  {"RV-310", "MKF", "99", true},
                {"PX-A5", "AEB0", "49", false}, {"RV-310", "MM8", "99", false},
                {"RV-380", "MKF", "99", false}, {"PX-A7", "AM70", "49", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Model) + " " + row.MarketCode);
        Configure(row.Model, row.MarketCode, row.Count);
        Pages->UpdateMarketControls(true);
        EXPECT_EQ(!Pages->WeatherAlertBox->isHidden(), row.Weather);
        EXPECT_EQ(!Pages->MobileWeatherAlertBox->isHidden(), row.Weather);
        const char* title = row.Weather ? "&Scan/Weather" : "&Scan";
        EXPECT_EQ(Pages->ScanGroupBox->title(), title);
        EXPECT_EQ(Pages->MobileScanGroupBox->title(), title);
    }
}

TEST_F(MenuPagesTest, HidingWeatherAlertTurnsOnlyThatSettingOff) {
    Configure("RV-310", "MKF", "99");
    Data.SetMenuSlot(3, "2");
    Pages->LoadFromSlots();
    Pages->UpdateMarketControls(true);
    EXPECT_FALSE(Data.Changed);
    Data.SetMarketCode("MED");
    Pages->UpdateMarketControls(true);
    EXPECT_FALSE(Pages->WeatherAlertBox->isChecked());
    EXPECT_FALSE(Pages->MobileWeatherAlertBox->isChecked());
    EXPECT_EQ(Data.GetMenuSlot(3), "0");
    EXPECT_TRUE(Data.Changed);
    EXPECT_GE(Changes.count(), 1);

    Configure("RV-310", "MED", "99");
    Data.SetMenuSlot(3, "1");
    Pages->LoadFromSlots();
    Pages->UpdateMarketControls(true);
    EXPECT_EQ(Data.GetMenuSlot(3), "1");
    EXPECT_TRUE(Pages->MobilePriorityScanBox->isChecked());
    EXPECT_FALSE(Data.Changed);
}

TEST_F(MenuPagesTest, ToneBurstListsFollowMarketAndOption) {
    const struct {
        const char* Model;
        const char* MarketCode;
        bool Option;
        bool Shown;
    } rows[] = {{"PX-A5", "AKF0", true, false},  {"RV-310", "MKF", true, false},
                {"PX-A5", "AEB0", false, false}, {"RV-350", "MC1", false, false},
                {"PX-A5", "AEB0", true, true},   {"RV-350", "MC1", true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Model) + " " + row.MarketCode);
        Configure(row.Model, row.MarketCode, "99");
        Data.SetMenuSlot(25, "0");
        Pages->LoadFromSlots();
        Pages->UpdateMarketControls(false);  // shown again, the lists show the stored tone
        Pages->UpdateMarketControls(row.Option);
        for (QWidget* control : {static_cast<QWidget*>(Pages->ToneBurstLabel),
                                 static_cast<QWidget*>(Pages->ToneBurstList),
                                 static_cast<QWidget*>(Pages->MobileToneBurstLabel),
                                 static_cast<QWidget*>(Pages->MobileToneBurstList)}) {
            EXPECT_EQ(!control->isHidden(), row.Shown) << control->objectName().toStdString();
        }
        const char* shown = row.Shown ? "1000Hz" : "1750Hz";
        EXPECT_EQ(Pages->ToneBurstList->currentText(), shown);
        EXPECT_EQ(Pages->MobileToneBurstList->currentText(), shown);
        EXPECT_EQ(Data.GetMenuSlot(25), "0");
        EXPECT_FALSE(Data.Changed);
    }
}

TEST_F(MenuPagesTest, EveryToneBurstChoiceWarnsFirstEvenTheSameTone) {
    std::vector<std::string> slotWhenWarned;
    SetMessageResponder([&](const TShownMessage& message) {
        EXPECT_EQ(message.Text, kToneBurstWarning);
        EXPECT_EQ(message.Style, TMessageStyle::Warning);
        slotWhenWarned.push_back(Data.GetMenuSlot(25));
        return TMessageAnswer::Ok;
    });
    for (QComboBox* list : {Pages->ToneBurstList, Pages->MobileToneBurstList}) {
        SCOPED_TRACE(list->objectName().toStdString());
        Configure("PX-A7", "AM70", "49");
        slotWhenWarned.clear();
        Choose(list, 0);
        Choose(list, 2);
        Choose(list, 2);
        EXPECT_EQ(slotWhenWarned, (std::vector<std::string>{"2", "0", "2"}));
        EXPECT_EQ(Data.GetMenuSlot(25), "2");
        EXPECT_EQ(list->currentText(), "1750Hz");
    }
    SetMessageResponder({});
}

TEST_F(MenuPagesTest, BrightnessTrackBarStoresTwoDigits) {
    QSlider* bar = Pages->MobileBrightnessSlider;
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(Data.GetMenuSlot(36), "00");
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(Data.GetMenuSlot(36), "01");
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(Data.GetMenuSlot(36), "31");
    EXPECT_EQ(Changes.count(), 3);
}

TEST_F(MenuPagesTest, MemoryNameBoxesWorkOnlyWhereNamesExist) {
    const struct {
        const char* Model;
        const char* Count;
        bool Enabled;
    } rows[] = {{"PX-A5", "49", true},
                {"PX-A5", "99", false},
                {"RV-310", "99", true},
                {"RV-310", "199", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Model) + " " + row.Count);
        Data.SetModel(row.Model);
        Data.SetMenuSlot(26, row.Count);
        Pages->UpdateMemoryNameBoxes();
        EXPECT_EQ(Pages->MemoryNameBox->isEnabled(), row.Enabled);
        EXPECT_EQ(Pages->MobileMemoryNameBox->isEnabled(), row.Enabled);
        EXPECT_TRUE(Pages->MemoryNameBox->isChecked());
        EXPECT_EQ(Data.GetMenuSlot(20), "0");
    }
}

TEST_F(MenuPagesTest, JapaneseHandheldWithLargeCountHidesDtmfHoldAndLocksMemoryName) {
    Configure("PX-A7", "JJ10", "99");
    Data.SetMenuSlot(16, "1");
    Pages->LoadFromSlots();
    Pages->UpdateMarketControls(true);
    EXPECT_TRUE(Pages->DtmfHoldBox->isHidden());
    EXPECT_TRUE(Pages->DtmfHoldBox->isChecked());
    EXPECT_EQ(Data.GetMenuSlot(16), "1");
    EXPECT_FALSE(Pages->MemoryNameBox->isEnabled());
    EXPECT_TRUE(Pages->MemoryNameBox->isChecked());
    Configure("PX-A7", "AEB0", "49");
    Pages->UpdateMarketControls(true);
    EXPECT_FALSE(Pages->DtmfHoldBox->isHidden());
    EXPECT_TRUE(Pages->MemoryNameBox->isEnabled());
}

class PowerOnMessage : public MenuPagesTest, public ::testing::WithParamInterface<const char*> {
protected:
    QLineEdit* Edit() { return Control<QLineEdit>(GetParam()); }
};

TEST_P(PowerOnMessage, TypedTextIsUpperCaseAndForeignCharactersAreDropped) {
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(Edit(), QStringLiteral("hi*-7\u00e9/ 9"));
    EXPECT_EQ(Edit()->text(), "HI-7/ ");
    EXPECT_EQ(Data.GetMenuSlot(19), "HI-7/ ");
    ASSERT_EQ(Messages.Shown().size(), 2u);
    EXPECT_EQ(Messages.Shown()[0].Text, kInvalidCharacter);
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Information);
}

TEST_P(PowerOnMessage, EscapeDoesNothingAndEditingKeysPass) {
    TypeText(Edit(), QStringLiteral("ab"));
    // Dropped, so it cannot reach the window around the box either.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QCoreApplication::sendEvent(Edit(), &escape);
    EXPECT_TRUE(escape.isAccepted());
    EXPECT_EQ(Edit()->text(), "AB");
    QTest::keyClick(Edit(), Qt::Key_Backspace);
    EXPECT_EQ(Data.GetMenuSlot(19), "A");
    QTest::keyClick(Edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Edit(), Qt::Key_Delete);
    EXPECT_EQ(Data.GetMenuSlot(19), "");
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_P(PowerOnMessage, PastedForeignTextIsReportedAndEmptied) {
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(Edit(), QStringLiteral("AB"));
    Edit()->insert(QStringLiteral("C*D"));
    EXPECT_EQ(Edit()->text(), "");
    EXPECT_EQ(Data.GetMenuSlot(19), "");
    EXPECT_EQ(Messages.Texts(), QStringList{kInvalidCharacter});
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, PowerOnMessage, ::testing::Values("Edit_Pom", "Edit_Pom2"));

TEST_F(MenuPagesTest, StoredPowerOnMessageWithForeignCharacterIsReportedOnceAndEmptied) {
    size_t shown = 0;
    for (const char* text : {"AB*", "ABCDEF*"}) {
        SCOPED_TRACE(text);
        Messages.Answer(TMessageAnswer::Ok);
        Data.SetMenuSlot(19, text);
        Pages->LoadFromSlots();
        EXPECT_EQ(Pages->PowerOnMessageEdit->text(), "");
        EXPECT_EQ(Pages->MobilePowerOnMessageEdit->text(), "");
        EXPECT_EQ(Data.GetMenuSlot(19), "");
        EXPECT_EQ(Messages.Shown().size(), ++shown);
        EXPECT_EQ(Messages.Shown().back().Text, kInvalidCharacter);
    }
}

TEST_F(MenuPagesTest, GroupBoxesFollowTheListedOrderInTheTabChain) {
    const std::pair<QWidget*, QStringList> pages[] = {
        {&MenuPage, {"Po&wer", "&Scan/Weather", "R&X/TX", "&VOX", "Re&peater", "D&TMF", "&Other"}},
        {&Menu1Page, {"Po&wer", "&Scan/Weather", "R&X/TX", "Re&peater", "D&TMF"}},
        {&Menu2Page, {"PF &Key", "&Brightness", "&Other"}}};
    for (const auto& [page, titles] : pages) {
        QStringList visited;
        QWidget* first = page->findChildren<QGroupBox*>().front()->findChildren<QWidget*>().front();
        QWidget* control = first;
        do {
            auto* box = qobject_cast<QGroupBox*>(control->parentWidget());
            if (box && control->focusPolicy() & Qt::TabFocus && !visited.contains(box->title())) {
                visited.append(box->title());
            }
            control = control->nextInFocusChain();
        } while (control != first && control->window() == page);
        EXPECT_EQ(visited, titles);
    }
}

TEST_F(MenuPagesTest, EveryPageFitsItsRoomInTheWindow) {
    for (QWidget* page : {&MenuPage, &Menu1Page, &Menu2Page}) {
        const QSize needed = page->layout()->minimumSize();
        EXPECT_LE(needed.width(), 505) << page->objectName().toStdString();
        EXPECT_LE(needed.height(), 290) << page->objectName().toStdString();
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (control->isHidden() || control->window() != page) continue;
            const QRect area(control->mapTo(page, QPoint(0, 0)), control->size());
            EXPECT_TRUE(page->rect().contains(area)) << control->objectName().toStdString();
        }
    }
}

// German and Japanese captions are longer: the pages still keep to their room,
// with and without the weather alert.
TEST(MenuPagesTranslated, EveryPageFitsItsRoomInEveryLanguage) {
    for (const char* language : {"de", "ja"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("tavrin_") + QLatin1String(language),
                                    QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        for (const auto& [model, market] : {std::pair{"PX-A7", "AM70"}, {"PX-A5", "AKF0"}}) {
            SCOPED_TRACE(std::string(language) + " " + model);
            TRadioData data = ConfiguredData(model, market, "49");
            data.ApplyMenuDefaults();
            QWidget menuPage, menu1Page, menu2Page;
            TMenuPages pages(menuPage, menu1Page, menu2Page, data);
            pages.UpdateMarketControls(true);
            for (QWidget* page : {&menuPage, &menu1Page, &menu2Page}) {
                const QSize needed = page->layout()->minimumSize();
                EXPECT_LE(needed.width(), 505);
                EXPECT_LE(needed.height(), 290);
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
