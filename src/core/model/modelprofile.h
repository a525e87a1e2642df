#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/model/modelcatalogue.h"

class TRadioData;

// What the program knows of a model and its market, in one place: every
// decision that depends on the model or on the market code is answered here,
// and the rest of the program asks this profile instead of looking at model
// names, market letters or the family itself. The profile is built from the
// tables of modelprofile.cpp (one row per family, one per model, and the
// market's rules), once for each model and market code, also for the
// combinations the catalogue does not list (a transceiver may report one).

// The two families of transceivers; a model the program does not know is neither.
enum class TModelFamily { Unknown, Handheld, Mobile };

// The menu a model has: which settings, their places in "MU", the commands that
// carry the others alone, and the menu pages the window shows.
enum class TMenuSet { Handheld, Mobile };

// How a model writes the memory labels of its data files and the channel field
// of its commands: "07" and "PR" on the handhelds, "007" and " PR" on the mobiles.
struct TLabelForm {
    int Digits;                 // of a memory channel's number
    const char* SpecialPrefix;  // before the labels L0..AL
};
inline constexpr TLabelForm kHandheldLabels{2, ""};
inline constexpr TLabelForm kMobileLabels{3, " "};

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

// What a family of transceivers shares.
struct TFamilyFacts {
    TModelFamily Family = TModelFamily::Unknown;
    // The two channel counts, the smaller one (with memory names) first; none
    // on a model the program does not know.
    TChannelCounts ChannelCounts{"", ""};
    // The settings entry the first run takes the channel count from; null
    // where there is no count to take.
    const char* ChannelCountKey = nullptr;
    // The menu slots the model uses, and so the data files hold.
    int UsedMenuSlots = 0;
    TMenuSet Menu = TMenuSet::Handheld;
    // The steps the menu settings add to an exchange's progress bar, the tone
    // burst not counted.
    int MenuProgressSteps = 0;
    // The Auto Power Off setting a fresh data set starts with.
    const char* AutoPowerOffDefault = "0";
    // The VFO's transmit power levels: High, Mid and Low, or High and Low.
    int PowerLevels = 0;
    // The pause before every command of an exchange, the wake-up included.
    std::chrono::milliseconds CommandDelay{0};
    TLabelForm Labels = kHandheldLabels;
    // The VOX is held off for an exchange (its "MU" value at "0") and given back at the end.
    bool HoldsVoxOff = false;
    // Replies echo their request's entry, and one whose echo does not fit is asked again.
    bool ChecksEchoes = false;
    // A "?" to a channel request means an empty channel, not a refusal.
    bool RefusalMeansEmptyChannel = false;
};

// What sets a model apart beyond its family.
struct TModelFacts {
    // The 144 MHz models; the others work on 430 MHz.
    bool Is144Mhz = false;
    // The name the caption gives the model; null where it shows the model text itself.
    const char* CaptionName = nullptr;
    // The step codes in the order of the step list: "A" is 2.5 kHz.
    const char* StepCodes = "0123456789";
    // A frequency typed as whole MHz is held at this many MHz at most.
    int HighestTypedMhz = 0;
    // Whether the listing gives a stored -7.6 MHz shift its column at all.
    bool ListsMinus76Shift = true;
};

// What the market code decides on a model.
struct TMarketFacts {
    // The band limit the configuration starts with, as the catalogue gives it.
    std::string_view BandLimit{};
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
    bool OffersToneBurst = true;
    // The DTMF Hold setting exists (not on the Japanese market).
    bool HasDtmfHold = true;
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
    const char* Pf4Default = "05";
    // The first run of this configuration leaves an empty "Type2" entry in the settings.
    bool WritesEmptyType2 = false;
    TBandDefaults VfoCallDefaults{};
    TEditorDefaults EditorDefaults{};
};

struct TModelProfile : TFamilyFacts, TModelFacts, TMarketFacts {
    bool IsHandheld() const { return Family == TModelFamily::Handheld; }
    bool IsMobile() const { return Family == TModelFamily::Mobile; }
    // Memory names exist only with the smaller channel count.
    bool HasMemoryNames(int channelCount) const;
};

// The profile stays as long as the program runs.
const TModelProfile& ProfileOf(std::string_view model, std::string_view marketCode);
const TModelProfile& ProfileOf(const TRadioData& data);

// The model an identification ("ID" payload) names: the RV-320 is handled as
// the RV-310. Empty for a transceiver the program does not support.
std::string ModelOfIdentity(std::string_view identity);
