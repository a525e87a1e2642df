#include "core/model/recordchecks.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "core/model/channelediting.h"
#include "core/model/channelrecord.h"
#include "core/model/frequencyrules.h"
#include "core/model/menuchoices.h"
#include "core/model/messagewords.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"
#include "core/model/visiblebytes.h"

namespace {

// A long list would push the rest of the message off the screen.
constexpr size_t kBreaksNamed = 20;
constexpr size_t kFrequencyDigits = 10;
constexpr char kNoTransmitFrequency[] = "0000000000";

constexpr char kNotFrequency[] = QT_TRANSLATE_NOOP("Messages", "is not a frequency of 10 digits");
constexpr char kOutsideBand[] = QT_TRANSLATE_NOOP("Messages", "is outside the band %1-%2 MHz");
constexpr char kOutsideRange[] =
    QT_TRANSLATE_NOOP("Messages", "is outside the programmable VFO range %1-%2 MHz");
constexpr char kOffStep[] = QT_TRANSLATE_NOOP("Messages", "is not on the %1 step");
constexpr char kNotStep[] = QT_TRANSLATE_NOOP("Messages", "is not a step this model offers");
constexpr char kNotShift[] = QT_TRANSLATE_NOOP("Messages", "is not a shift this model offers");
constexpr char kNotFlag[] = QT_TRANSLATE_NOOP("Messages", "is neither 0 nor 1");
constexpr char kNotTone[] = QT_TRANSLATE_NOOP("Messages", "is not a tone of the list (00 to 41)");
constexpr char kNotDcs[] =
    QT_TRANSLATE_NOOP("Messages", "is not a DCS code of the list (000 to 103)");
constexpr char kNotOffset[] =
    QT_TRANSLATE_NOOP("Messages", "is not an offset from 0.00 to 69.95 MHz in steps of 0.05 MHz");
constexpr char kNotPower[] = QT_TRANSLATE_NOOP("Messages", "is not a power level this model has");
constexpr char kTooLong[] = QT_TRANSLATE_NOOP("Messages", "is longer than %1 characters");
constexpr char kNotNameCharacter[] =
    QT_TRANSLATE_NOOP("Messages", "holds a character other than 0-9, A-Z, -, / and space");
constexpr char kTooManyKeys[] = QT_TRANSLATE_NOOP("Messages", "is longer than %1 keys");
constexpr char kNotDtmfKey[] =
    QT_TRANSLATE_NOOP("Messages", "holds a key other than 0-9, A-D, *, # and space");
constexpr char kNotRange[] =
    QT_TRANSLATE_NOOP("Messages", "is not a range of whole MHz from %1 to %2, lower end first");
constexpr char kNotChoice[] = QT_TRANSLATE_NOOP("Messages", "is not one of %1 to %2");

// The record fields as the data files and the record layouts name them.
constexpr std::array<const char*, kLastField + 1> kFieldNames{
    "Label",  "RxFreq",    "Step",       "Shift",    "Reverse", "Tone",   "Ctcss",
    "Dcs",    "ToneIndex", "CtcssIndex", "DcsIndex", "Offset",  "Narrow", "BeatShift",
    "TxFreq", "TxStep",    "Lockout",    "Power",    "Name"};

bool IsDigitText(std::string_view text, size_t digits) {
    return text.size() == digits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ZeroPadded(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

// "0144,0145" -> 144 and 146: the limits admit everything below the MHz after the upper one,
// which is read as the lower one when it lies below it, as the fit reads it.
std::string OutsideLimitsRule(const char* pattern, std::string_view limits) {
    const size_t comma = limits.find(',');
    const std::string_view upper = comma == std::string_view::npos ? "" : limits.substr(comma + 1);
    const int lowerMhz = LeadingNumber(limits.substr(0, comma));
    const int upperMhz = std::max(LeadingNumber(upper), lowerMhz);
    return MessageText(pattern, {std::to_string(lowerMhz), std::to_string(upperMhz + 1)});
}

// The list position of a stored step code the model offers, read back as that code.
std::optional<int> StepPositionOf(std::string_view code, const TRadioData& data) {
    if (code.size() != 1) return std::nullopt;
    const int position = ListPositionFromStepCode(code[0], data.GetModel(), data.GetMarketCode());
    if (StepCodeFromListPosition(position, data.GetModel()) != code[0]) return std::nullopt;
    return position;
}

// Why a text is not one the transceiver keeps: longer than `longest`, or holding a character
// not `allowed`; empty when it keeps it.
std::string TextRule(std::string_view text, int longest, bool (*allowed)(char), const char* tooLong,
                     const char* notAllowed) {
    if (text.size() > static_cast<size_t>(longest)) {
        return MessageText(tooLong, {std::to_string(longest)});
    }
    if (!std::all_of(text.begin(), text.end(), allowed)) return MessageText(notAllowed);
    return {};
}

// The fields of one channel-like record, each checked with the rule of the editor that makes it.
class TChannelRules {
public:
    TChannelRules(const TRadioData& data, const std::string& text, const std::string& record,
                  TRuleBreaks& breaks)
        : Data(data), Text(text), Record(record), Breaks(breaks) {}

    // The receive frequency and every field up to the beat shift, as the VFO carries them.
    void CheckReceive(std::string_view limits, const char* outside) {
        CheckFrequency(kRxFreqField, kStepField, limits, outside);
        CheckStep(kStepField);
        CheckShift();
        for (const int flag : {kReverseField, kToneField, kCtcssField, kDcsField}) CheckFlag(flag);
        CheckIndex(kToneIndexField, TonePositionOf, 2, kNotTone);
        CheckIndex(kCtcssIndexField, TonePositionOf, 2, kNotTone);
        CheckIndex(kDcsIndexField, DcsPositionOf, 3, kNotDcs);
        CheckOffset();
        CheckFlag(kNarrowField);
        CheckFlag(kBeatShiftField);
    }

    // A split channel transmits on a frequency of the band, on its own step. Any other holds
    // no transmit frequency, or has the field empty as the transceivers give it.
    void CheckTransmit() {
        const std::string frequency = Field(kTxFreqField);
        const bool split = LeadingNumber(frequency) != 0;
        if (split) {
            CheckFrequency(kTxFreqField, kTxStepField, Data.GetBandLimit(), kOutsideBand);
        } else if (!frequency.empty() && frequency != kNoTransmitFrequency) {
            Break(kTxFreqField, MessageText(kNotFrequency));
        }
        if (split || !Field(kTxStepField).empty()) CheckStep(kTxStepField);
    }

    void CheckFlag(int field) {
        const std::string flag = Field(field);
        if (flag != "0" && flag != "1") Break(field, MessageText(kNotFlag));
    }

    void CheckName() {
        std::string rule = TextRule(Field(kNameField), kMemoryNameLength, IsMemoryNameCharacter,
                                    kTooLong, kNotNameCharacter);
        if (!rule.empty()) Break(kNameField, std::move(rule));
    }

    // The VFO's power, as the editor's power list stores it.
    void CheckPower() {
        const std::string power = Field(kVfoPowerField);
        const bool stored =
            power.size() == 1 && PowerCodeOf(Data, PowerPositionOf(Data, power)) == power[0];
        if (!stored) Break(kVfoPowerField, MessageText(kNotPower));
    }

private:
    std::string Field(int field) const { return RecordField(Text, field); }

    void Break(int field, std::string rule) {
        Breaks.push_back(
            {Record, kFieldNames[static_cast<size_t>(field)], Field(field), std::move(rule)});
    }

    // Inside the limits and on the step, as the editor's fit leaves it.
    void CheckFrequency(int field, int stepField, std::string_view limits, const char* outside) {
        const std::string frequency = Field(field);
        if (!IsDigitText(frequency, kFrequencyDigits)) {
            Break(field, MessageText(kNotFrequency));
        } else if (!IsInsideLimits(frequency, limits)) {
            Break(field, OutsideLimitsRule(outside, limits));
        } else if (const std::optional<int> step = StepPositionOf(Field(stepField), Data)) {
            if (FitFrequency(frequency, limits, *step, Data.GetModel()).Changed) {
                const std::string stepText =
                    StepListTexts(Data.GetModel())[static_cast<size_t>(*step)];
                Break(field, MessageText(kOffStep, {stepText}));
            }
        }
    }

    void CheckStep(int field) {
        if (!StepPositionOf(Field(field), Data)) Break(field, MessageText(kNotStep));
    }

    // The shift radios store what they show; "3" only where the -7.6 MHz option is offered.
    void CheckShift() {
        const std::string shift = Field(kShiftField);
        const bool offered = OffersMinus76Shift(Data.GetModel(), Data.GetMarketCode());
        if (shift != ShiftField(ShiftChoiceOf(shift, offered))) {
            Break(kShiftField, MessageText(kNotShift));
        }
    }

    // A list index reads back as itself: a position of the list, written with its width.
    void CheckIndex(int field, int (*positionOf)(std::string_view), int width, const char* rule) {
        const std::string index = Field(field);
        if (index != ZeroPadded(positionOf(index), width)) Break(field, MessageText(rule));
    }

    // The offset the editor shows reads back as the offset stored.
    void CheckOffset() {
        const std::string offset = Field(kOffsetField);
        if (ParseOffsetText(FormatOffsetText(offset)) != offset) {
            Break(kOffsetField, MessageText(kNotOffset));
        }
    }

    const TRadioData& Data;
    const std::string& Text;
    const std::string& Record;
    TRuleBreaks& Breaks;
};

}  // namespace

void CheckMemoryEntry(const TRadioData& data, int recordIndex, const std::string& record,
                      TRuleBreaks& breaks) {
    const std::string& text = data.GetChannel(recordIndex);
    if (RecordField(text, kRxFreqField).empty()) return;
    TChannelRules rules(data, text, record, breaks);
    rules.CheckReceive(data.GetBandLimit(), kOutsideBand);
    rules.CheckTransmit();
    rules.CheckFlag(kLockoutField);
    if (data.HasMemoryNames()) rules.CheckName();
}

void CheckCallRecord(const TRadioData& data, const std::string& record, TRuleBreaks& breaks) {
    TChannelRules rules(data, data.GetCall(), record, breaks);
    rules.CheckReceive(data.GetBandLimit(), kOutsideBand);
    rules.CheckTransmit();
}

void CheckVfoRecord(const TRadioData& data, const std::string& record, TRuleBreaks& breaks) {
    TChannelRules rules(data, data.GetVfo(), record, breaks);
    rules.CheckReceive(data.GetProgramVfo(), kOutsideRange);
    rules.CheckPower();
}

// The range the VFO editor would store for the ends as they are: each forced into the band,
// the other end following so that the range never turns round.
void CheckProgramVfo(const TRadioData& data, const std::string& record, TRuleBreaks& breaks) {
    const std::string& range = data.GetProgramVfo();
    const auto mhz = [&](int part) {
        return std::to_string(LeadingNumber(data.GetField(TRadioData::kProgramVfoKind, 0, part)));
    };
    const TRangeTexts typed{mhz(0), mhz(1)};
    const TRangeTexts kept = UpperRangeTyped(data, LowerRangeTyped(data, typed));
    if (ProgramVfoText(kept) == range) return;
    const auto band = [&](int part) {
        return std::to_string(LeadingNumber(data.GetField(TRadioData::kBandLimitKind, 0, part)));
    };
    breaks.push_back({record, "Range", range, MessageText(kNotRange, {band(0), band(1)})});
}

void CheckDtmfEntry(const TRadioData& data, int entry, const std::string& record,
                    TRuleBreaks& breaks) {
    // The code runs from the first comma to the end, as the write sends it.
    const std::string code = ExtractField(data.GetDtmf(entry), 1, true);
    std::string rule = TextRule(code, kDtmfCodeLength, IsDtmfCharacter, kTooManyKeys, kNotDtmfKey);
    if (!rule.empty()) breaks.push_back({record, "Code", code, std::move(rule)});
}

void CheckMenuSetting(const TRadioData& data, TMenuSlot slot, const std::string& record,
                      TRuleBreaks& breaks) {
    const std::string value = data.GetMenuSlot(slot);
    if (IsMenuChoice(data, slot, value)) return;
    const std::string name = MessageText(MenuSettingName(data, slot));
    const int count = MenuChoiceCount(data, slot);
    // Only the power-on message is text rather than a choice.
    std::string rule =
        count > 0
            ? MessageText(kNotChoice, {MenuChoiceText(slot, 0), MenuChoiceText(slot, count - 1)})
            : TextRule(value, kPowerOnMessageLength, IsPowerOnMessageCharacter, kTooLong,
                       kNotNameCharacter);
    breaks.push_back({record, name, value, std::move(rule)});
}

std::string RuleBreakLine(const TRuleBreak& ruleBreak) {
    return MessageText(
        QT_TRANSLATE_NOOP("Messages", "%1, %2: \"%3\" %4"),
        {ruleBreak.Record, ruleBreak.Field, VisibleBytes(ruleBreak.Value), ruleBreak.Rule});
}

std::string RuleBreakList(const TRuleBreaks& breaks) {
    std::string list;
    for (size_t i = 0; i < breaks.size() && i < kBreaksNamed; ++i) {
        list += "\n" + RuleBreakLine(breaks[i]);
    }
    if (breaks.size() > kBreaksNamed) {
        list += "\n" + MessageText(QT_TRANSLATE_NOOP("Messages", "... and %1 more."),
                                   {std::to_string(breaks.size() - kBreaksNamed)});
    }
    return list;
}

std::string WriteRefusedMessage(const TRuleBreaks& breaks) {
    return MessageText(QT_TRANSLATE_NOOP(
               "Messages",
               "The data cannot be written: these records break the transceiver's rules.")) +
           RuleBreakList(breaks);
}

std::string OutOfRuleFileMessage(const TRuleBreaks& breaks) {
    if (breaks.empty()) return {};
    return MessageText(QT_TRANSLATE_NOOP("Messages",
                                         "The data file holds values the transceiver does not "
                                         "take:%1\nThey have been opened unchanged; mend them in "
                                         "the editors before you write the data to the "
                                         "transceiver."),
                       {RuleBreakList(breaks)});
}
