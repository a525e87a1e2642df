#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/model/modelcatalogue.h"

class TRadioData;

// What the program knows of a model and its market, in one place: every
// decision that depends on the model or on the market code is answered here,
// and the rest of the program asks this profile instead of looking at model
// names and market letters itself. A profile is made for any model and market
// code, also for combinations the catalogue does not list (a transceiver may
// report one), and is cheap to make.

// The two families of transceivers; a model the program does not know is neither.
enum class TModelFamily { Unknown, Handheld, Mobile };

// The menu pages the main window shows: one page on handhelds, two otherwise.
enum class TMenuPageSet { Handheld, Mobile };

// The pause the mobiles need before every command.
inline constexpr std::chrono::milliseconds kMobileCommandDelay{80};

// What a fresh VFO and CALL channel start with.
struct TBandDefaults {
    const char* Frequency;  // 10 digits
    char StepCode;
    const char* VfoOffset;  // 8 digits
    const char* CallOffset;
};

// What the editors show for an empty frequency, step or offset field.
struct TEditorDefaults {
    const char* Frequency;  // 10 digits
    char StepCode;
    const char* Offset;  // 8 digits
};

struct TModelProfile {
    // ---- The model ----
    TModelFamily Family = TModelFamily::Unknown;
    // The 144 MHz models; the others work on 430 MHz.
    bool Is144Mhz = false;
    // The name the caption gives the model; null where it shows the model text itself.
    const char* CaptionName = nullptr;
    // The step codes in the order of the step list: "A" is 2.5 kHz.
    const char* StepCodes = "0123456789";
    // A frequency typed as whole MHz is held at this many MHz at most.
    int HighestTypedMhz = 0;
    // The pause before every command of an exchange, the wake-up included.
    std::chrono::milliseconds CommandDelay{0};
    // The two channel counts, the smaller one (with memory names) first; none
    // on a model the program does not know.
    TChannelCounts ChannelCounts{"", ""};
    // The menu slots the model uses, and so the data files hold.
    int UsedMenuSlots = 0;
    // The VFO's transmit power levels: High, Mid and Low, or High and Low.
    int PowerLevels = 0;
    // Whether the listing gives a stored -7.6 MHz shift its column at all.
    bool ListsMinus76Shift = true;

    // ---- The market ----
    // The band limit the configuration starts with, as the catalogue gives it.
    std::string BandLimit;
    // The band the VFO and CALL grids name: 144, 430 or 440 MHz.
    int BandMhz = 0;
    // The market suffix after the model in the caption ("A", "E", "A -1", ...).
    const char* CaptionSuffix = "";
    // The U.S.A./Canada market numbers an AL entry after PR: data files keep
    // it and writes send it, on every model.
    bool CarriesAlEntry = false;
    // The weather alert (its AL channel and its scan) of the U.S.A./Canada
    // 144 MHz models.
    bool HasWeatherAlert = false;
    // The 1750 Hz tone-burst setting may be offered (never on the U.S.A./Canada market).
    bool OffersToneBurst = false;
    // The DTMF Hold setting exists (not on the Japanese market).
    bool HasDtmfHold = false;
    // The comment is Japanese text: Shift-JIS bytes, typed in a Japanese font.
    bool JapaneseComment = false;
    // The market's repeaters use the -7.6 MHz shift (stored shift "3").
    bool Minus76Market = false;
    // The editors offer the "-7.6MHz Shift" option.
    bool OffersMinus76Shift = false;
    // Menu defaults that differ: the automatic repeater offset (slot 13), the
    // CALL key's 1750 Hz tone (slot 23) and the PF4 key's function (slot 32).
    bool AutoRepeaterOffset = false;
    bool CallKeyTone = false;
    const char* Pf4Default = "";
    // The first run of this configuration leaves an empty "Type2" entry in the settings.
    bool WritesEmptyType2 = false;
    TBandDefaults VfoCallDefaults{};
    TEditorDefaults EditorDefaults{};

    bool IsHandheld() const { return Family == TModelFamily::Handheld; }
    bool IsMobile() const { return Family == TModelFamily::Mobile; }
    TMenuPageSet MenuPages() const {
        return IsHandheld() ? TMenuPageSet::Handheld : TMenuPageSet::Mobile;
    }
    // Memory names exist only with the smaller channel count.
    bool HasMemoryNames(int channelCount) const;
};

TModelProfile ProfileOf(std::string_view model, std::string_view marketCode);
TModelProfile ProfileOf(const TRadioData& data);

// The model an identification ("ID" payload) names: the RV-320 is handled as
// the RV-310. Empty for a transceiver the program does not support.
std::string ModelOfIdentity(std::string_view identity);

// The channel counts of a family; none for the unknown one.
TChannelCounts ChannelCountsOfFamily(TModelFamily family);
