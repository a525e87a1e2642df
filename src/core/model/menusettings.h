#pragma once

#include <span>

#include "core/model/menuslots.h"
#include "core/model/modelprofile.h"

// The menu settings, one row each: what a setting holds and offers, how each
// menu carries it to the transceiver, its help topic and how the listing
// prints it. The menu pages take their choices and help topics from here,
// the commands their "MU" layouts and the slots that travel alone, the
// listing its menu lines and a verification the names of its differences.

enum class TMenuKind {
    List,        // a list or radio group: the position in decimal
    Box,         // a check box: "1" or "0"
    Scan,        // Priority Scan "1", Weather Alert "2", neither "0"
    PfKey,       // the PF function's position as two hexadecimal digits
    Brightness,  // the level as two digits
    Message,     // the power-on message
    Count,       // the channel count, set by the configuration
};

// How a menu carries a setting to and from the transceiver: at its place among
// the values of "MU", or by a command of its own (slotcommands.h); neither
// where the menu has no such setting.
struct TMenuCarriage {
    int MenuValue = -1;  // from 0
    bool Alone = false;

    bool Carried() const { return MenuValue >= 0 || Alone; }
};

// Where a menu that has the setting shows it only under a condition.
enum class TMenuShown {
    Always,
    WithToneBurst,   // where the 1750 Hz tone burst is shown (ToneBurstShown)
    WhereDtmfHolds,  // on a market with DTMF Hold
};

// How the listing words a value.
enum class TListedValue {
    Choice,        // the choice the value names; a value that names none as the fallback choice
    OffOn,         // "OFF" for a value that starts with "0", "ON" for any other
    OffForOne,     // "OFF" for "1", "ON" for any other
    Text,          // the value itself; "OFF" for the off text where there is one
    PfFunction,    // the PF key's function
    PriorityScan,  // a line of its own that names the scan that is on
    ChannelCount,  // "50ch", "100ch" or "200ch"
};

struct TMenuListing {
    // The setting's name in the listing, which a verification also gives its differences.
    const char* Name;
    // Where the handhelds' listing names it otherwise.
    const char* NameOnHandhelds = nullptr;
    TListedValue As = TListedValue::OffOn;
    // The listing's own words for the choices, where they are not those of the pages.
    std::span<const char* const> Words = {};
    // The choice a value that names none is printed as; -1 prints nothing.
    int Fallback = 0;
    // The value printed as "OFF" (TListedValue::Text).
    const char* OffText = nullptr;
};

struct TMenuSetting {
    TMenuSlot Slot;
    TMenuKind Kind;
    // The setting as the menu pages caption it, for messages (context "Messages"),
    // and where the mobiles' pages caption it otherwise.
    const char* Name;
    const char* NameOnMobiles = nullptr;
    // The choices of a list or radio group, in order. Choices in words are marked for
    // translation in context "TMenuPages"; the radio's own terms stay as they are.
    std::span<const char* const> Choices = {};
    TMenuCarriage OnHandhelds{};
    TMenuCarriage OnMobiles{};
    TMenuShown Shown = TMenuShown::Always;
    // The help topic of its control on the menu pages, and the mobiles' where it
    // differs; 0 for none.
    int Help = 0;
    int HelpOnMobiles = 0;
    TMenuListing Listing;
};

// The row of a slot; a slot outside 1..36 reads as a channel count no menu carries.
const TMenuSetting& MenuSettingOf(int slot);
// Every row, in slot order.
std::span<const TMenuSetting> MenuSettings();

// The row's facts in a menu, the mobiles' own where they have them.
const TMenuCarriage& CarriageIn(const TMenuSetting& setting, TMenuSet menu);
const char* NameIn(const TMenuSetting& setting, TMenuSet menu);
int HelpIn(const TMenuSetting& setting, TMenuSet menu);
const char* ListedNameIn(const TMenuSetting& setting, TMenuSet menu);

// The help topic of the Weather Alert box, which shares the scan's slot.
inline constexpr int kWeatherAlertHelp = 220;
