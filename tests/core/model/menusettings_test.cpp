#include "core/model/menusettings.h"

#include <gtest/gtest.h>

namespace {

// A setting is found at its slot's place in the table, and each menu carries it one way at most.
TEST(MenuSettings, EveryRowStandsAtItsSlotsPlaceAndTravelsOneWay) {
    int slot = kFirstMenuSlot;
    for (const TMenuSetting& setting : MenuSettings()) {
        EXPECT_EQ(setting.Slot, slot++);
        EXPECT_EQ(&MenuSettingOf(setting.Slot), &setting);
        for (const TMenuSet menu : {TMenuSet::Handheld, TMenuSet::Mobile}) {
            const TMenuCarriage& carriage = CarriageIn(setting, menu);
            EXPECT_FALSE(carriage.Alone && carriage.MenuValue >= 0) << setting.Slot;
        }
    }
    EXPECT_EQ(slot, kLastMenuSlot + 1);
    for (const int none : {0, kLastMenuSlot + 1}) {
        EXPECT_FALSE(CarriageIn(MenuSettingOf(none), TMenuSet::Handheld).Carried()) << none;
        EXPECT_FALSE(CarriageIn(MenuSettingOf(none), TMenuSet::Mobile).Carried()) << none;
    }
}

}  // namespace
