#include "core/model/channelediting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "core/model/channelrecord.h"
#include "core/model/channelview.h"
#include "core/model/frequencyrules.h"
#include "core/model/modelprofile.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kSpecialPositions = 7;  // L0, U0, L1, U1, L2, U2, PR
constexpr std::array<const char*, 8> kSpecialLabels{"L0", "U0", "L1", "U1", "L2", "U2", "PR", "AL"};
constexpr size_t kFrequencyDigits = 10;
constexpr char kWeatherAlertFrequency[] = "0162550000";
constexpr char kWeatherAlertOffset[] = "00000000";
constexpr char kNoSplitFrequency[] = "0000000000";
constexpr char kNoOffset[] = "00000000";
// Where the AL entry is disabled for tones, a save writes the default indexes.
constexpr int kDefaultTonePosition = 8;
constexpr int kDefaultDcsPosition = 0;

bool IsRegularPosition(const TRadioData& data, int position) {
    return position <= data.ChannelCount();
}

char FirstCharacter(std::string_view text) {
    return text.empty() ? '\0' : text.front();
}

// The VFO's power list: High, Mid and Low, or High and Low alone.
constexpr int kPowerLevelsWithMid = 3;

bool HasMidPower(const TRadioData& data) {
    return ProfileOf(data).PowerLevels == kPowerLevelsWithMid;
}

bool IsAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The AL entry of the U.S.A./Canada 144 MHz models has its own weather channel defaults.
bool HasWeatherAlertDefaults(const TRadioData& data, int recordIndex) {
    return recordIndex == TRadioData::kWeatherAlertRecord && HasWeatherAlertRow(data);
}

std::string StoredOrDefault(std::string field, const std::string& fallback) {
    return field.empty() ? fallback : field;
}

// Several flags set (a record not written by this editor): the last of them wins, as
// checking one box unchecks the others.
TToneChoice ToneChoiceOf(const std::string& record) {
    TToneChoice choice = TToneChoice::None;
    if (RecordField(record, kToneField) == "1") choice = TToneChoice::Tone;
    if (RecordField(record, kCtcssField) == "1") choice = TToneChoice::Ctcss;
    if (RecordField(record, kDcsField) == "1") choice = TToneChoice::Dcs;
    return choice;
}

// A receive frequency too short to be one shows the default; the AL entry has none but
// its weather channel.
std::string ShownMemoryFrequency(const TRadioData& data, const std::string& stored,
                                 int recordIndex) {
    if (stored.size() >= kFrequencyDigits) return stored;
    if (recordIndex != TRadioData::kWeatherAlertRecord) {
        return DefaultFieldValues(data.GetModel(), data.GetMarketCode()).Frequency;
    }
    return HasWeatherAlertDefaults(data, recordIndex) ? kWeatherAlertFrequency : "";
}

// The CALL and VFO records take the default only for an empty frequency.
std::string ShownFrequency(const TRadioData& data, const std::string& record) {
    return StoredOrDefault(RecordField(record, kRxFreqField),
                           DefaultFieldValues(data.GetModel(), data.GetMarketCode()).Frequency);
}

TFieldDefaults DefaultsOf(const TRadioData& data) {
    return DefaultFieldValues(data.GetModel(), data.GetMarketCode());
}

void ShowReceive(const TRadioData& data, const std::string& record, const std::string& frequency,
                 const std::string& defaultOffset, TChannelDisplay& display) {
    const std::string step =
        StoredOrDefault(RecordField(record, kStepField), std::string(1, DefaultsOf(data).StepCode));
    display.RxFrequency = FormatFrequencyText(frequency);
    display.StepPosition =
        ListPositionFromStepCode(FirstCharacter(step), data.GetModel(), data.GetMarketCode());
    display.Offset =
        FormatOffsetText(StoredOrDefault(RecordField(record, kOffsetField), defaultOffset));
    display.OffersMinus76 = OffersMinus76Shift(data.GetModel(), data.GetMarketCode());
}

// A split channel shows its own transmit frequency; otherwise the receive values stand in.
void ShowTransmit(const TRadioData& data, const std::string& record, bool splitAllowed,
                  TChannelDisplay& display) {
    const std::string tx = RecordField(record, kTxFreqField);
    if (splitAllowed && LeadingNumber(tx) != 0) {
        display.Shift = TShiftChoice::Split;
        display.TxFrequency = FormatFrequencyText(tx);
        display.TxStepPosition =
            ListPositionFromStepCode(FirstCharacter(RecordField(record, kTxStepField)),
                                     data.GetModel(), data.GetMarketCode());
    } else {
        display.Shift = ShiftChoiceOf(RecordField(record, kShiftField), display.OffersMinus76);
        display.TxFrequency = display.RxFrequency;
        display.TxStepPosition = display.StepPosition;
    }
    display.Reverse = RecordField(record, kReverseField) == "1";
    display.ReverseEnabled = display.Shift != TShiftChoice::Split;
}

void ShowTones(const std::string& record, bool enabled, TChannelDisplay& display) {
    display.TonesEnabled = enabled;
    if (!enabled) {
        display.Tone = TToneChoice::None;
        display.TonePosition = kDefaultTonePosition;
        display.CtcssPosition = kDefaultTonePosition;
        display.DcsPosition = kDefaultDcsPosition;
        return;
    }
    display.Tone = ToneChoiceOf(record);
    display.TonePosition = TonePositionOf(RecordField(record, kToneIndexField));
    display.CtcssPosition = TonePositionOf(RecordField(record, kCtcssIndexField));
    display.DcsPosition = DcsPositionOf(RecordField(record, kDcsIndexField));
}

void ShowOptions(const std::string& record, TChannelDisplay& display) {
    display.Narrow = RecordField(record, kNarrowField) == "1";
    display.BeatShift = RecordField(record, kBeatShiftField) == "1";
}

const char* Flag(bool on) {
    return on ? "1" : "0";
}

std::string ZeroPadded(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) {
        if (&field != &fields.front()) text += ',';
        text += field;
    }
    return text;
}

// The typed texts parsed and the frequencies fitted into the limits; the transmit frequency
// only on a split channel.
struct TFittedTexts {
    TEditFailure Failure = TEditFailure::None;
    std::string Rx;
    std::string Tx;
    std::string Offset;
    bool Rounded = false;
};

TFittedTexts Fitted(const TRadioData& data, const TChannelEdits& edits, std::string_view limits) {
    TFittedTexts fitted;
    const std::optional<std::string> rx = ParseFrequencyText(edits.RxText, data.GetModel());
    const std::optional<std::string> tx = ParseFrequencyText(edits.TxText, data.GetModel());
    if (!rx || !tx) {
        fitted.Failure = TEditFailure::InvalidFrequency;
        return fitted;
    }
    const std::optional<std::string> offset = ParseOffsetText(edits.OffsetText);
    if (!offset) {
        fitted.Failure = TEditFailure::InvalidOffset;
        return fitted;
    }
    const TFitResult fittedRx = FitFrequency(*rx, limits, edits.StepPosition, data.GetModel());
    fitted.Rx = fittedRx.Frequency;
    fitted.Offset = *offset;
    fitted.Rounded = fittedRx.Changed;
    if (edits.Shift == TShiftChoice::Split) {
        const TFitResult fittedTx =
            FitFrequency(*tx, limits, edits.TxStepPosition, data.GetModel());
        fitted.Tx = fittedTx.Frequency;
        fitted.Rounded = fitted.Rounded || fittedTx.Changed;
    }
    return fitted;
}

std::string StepField(const TRadioData& data, int position) {
    return std::string(1, StepCodeFromListPosition(position, data.GetModel()));
}

// Fields 2 to 14, from the receive frequency to the beat shift.
void AppendChannelFields(const TRadioData& data, const TChannelEdits& edits,
                         const TFittedTexts& fitted, std::vector<std::string>& fields) {
    const bool split = edits.Shift == TShiftChoice::Split;
    fields.insert(fields.end(), {fitted.Rx, StepField(data, edits.StepPosition),
                                 ShiftField(edits.Shift), Flag(edits.Reverse)});
    fields.push_back(Flag(edits.Tone == TToneChoice::Tone));
    fields.push_back(Flag(edits.Tone == TToneChoice::Ctcss));
    fields.push_back(Flag(edits.Tone == TToneChoice::Dcs));
    fields.push_back(ZeroPadded(edits.TonePosition, 2));
    fields.push_back(ZeroPadded(edits.CtcssPosition, 2));
    fields.push_back(ZeroPadded(edits.DcsPosition, 3));
    fields.push_back(split ? kNoOffset : fitted.Offset);
    fields.push_back(Flag(edits.Narrow));
    fields.push_back(Flag(edits.BeatShift));
}

// Fields 15 and 16: the split transmit frequency and its step, or none.
void AppendTransmitFields(const TRadioData& data, const TChannelEdits& edits,
                          const TFittedTexts& fitted, std::vector<std::string>& fields) {
    if (edits.Shift == TShiftChoice::Split) {
        fields.insert(fields.end(), {fitted.Tx, StepField(data, edits.TxStepPosition)});
    } else {
        fields.insert(fields.end(), {kNoSplitFrequency, "0"});
    }
}

TNormalisedTexts Normalised(const TFittedTexts& fitted) {
    TNormalisedTexts result;
    result.Failure = fitted.Failure;
    if (fitted.Failure != TEditFailure::None) return result;
    result.RxFrequency = FormatFrequencyText(fitted.Rx);
    result.TxFrequency = fitted.Tx.empty() ? result.RxFrequency : FormatFrequencyText(fitted.Tx);
    result.Offset = FormatOffsetText(fitted.Offset);
    result.Rounded = fitted.Rounded;
    return result;
}

struct TMhzRange {
    int Lower = 0;
    int Upper = 0;
};

// The whole-MHz edges of the band limit text: "0136,0173" is 136 to 173.
TMhzRange BandMhzRange(const TRadioData& data) {
    return {LeadingNumber(data.GetField(TRadioData::kBandLimitKind, 0, 0)),
            LeadingNumber(data.GetField(TRadioData::kBandLimitKind, 0, 1))};
}

// A typed end of three characters forced into the band; shorter ones are still being typed.
void ClampRangeEnd(const TRadioData& data, std::string& end) {
    const TMhzRange band = BandMhzRange(data);
    const int value = LeadingNumber(end);
    if (value < band.Lower) end = std::to_string(band.Lower);
    if (value > band.Upper) end = std::to_string(band.Upper);
}

constexpr size_t kRangeDigits = 3;

std::string MhzText(std::string_view limitPart) {
    const int value = LeadingNumber(limitPart);
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace

TShiftChoice ShiftChoiceOf(std::string_view shiftField, bool offersMinus76) {
    if (shiftField == "1") return TShiftChoice::Plus;
    if (shiftField == "2") return TShiftChoice::Minus;
    if (shiftField == "3" && offersMinus76) return TShiftChoice::Minus76;
    return TShiftChoice::Simplex;
}

const char* ShiftField(TShiftChoice shift) {
    switch (shift) {
        case TShiftChoice::Plus:
            return "1";
        case TShiftChoice::Minus:
            return "2";
        case TShiftChoice::Minus76:
            return "3";
        default:
            return "0";
    }
}

int LastEditorPosition(const TRadioData& data) {
    return data.ChannelCount() + kSpecialPositions + (HasWeatherAlertRow(data) ? 1 : 0);
}

int WrappedEditorPosition(const TRadioData& data, int position) {
    const int last = LastEditorPosition(data);
    if (position > last) return 0;
    return position < 0 ? last : position;
}

int ClampedEditorPosition(const TRadioData& data, int position) {
    return std::clamp(position, 0, LastEditorPosition(data));
}

std::vector<std::string> SpecialLabelTexts(const TRadioData& data) {
    const size_t count = kSpecialPositions + (HasWeatherAlertRow(data) ? 1 : 0);
    const char* prefix = ProfileOf(data).Labels.SpecialPrefix;
    std::vector<std::string> labels;
    for (size_t i = 0; i < count; ++i) labels.push_back(prefix + std::string(kSpecialLabels[i]));
    return labels;
}

std::string ChannelNumberText(const TRadioData& data, int position) {
    if (IsRegularPosition(data, position)) return std::to_string(position);
    const std::vector<std::string> labels = SpecialLabelTexts(data);
    const auto special = static_cast<size_t>(position - data.ChannelCount() - 1);
    return special < labels.size() ? labels[special] : std::string();
}

std::string LabelFieldText(const TRadioData& data, int position) {
    if (!IsRegularPosition(data, position)) return ChannelNumberText(data, position);
    return ZeroPadded(position, ProfileOf(data).Labels.Digits);
}

TChannelEntry InterpretChannelEntry(const TRadioData& data, std::string_view typed) {
    if (typed.empty()) return {TChannelEntryKind::Empty};
    if (IsAllDigits(typed) && LeadingNumber(typed) <= data.ChannelCount()) {
        return {TChannelEntryKind::Target, LeadingNumber(typed)};
    }
    // A mobile's labels start with a space, which may be typed or left out; small
    // letters mean the capitals.
    const std::string_view prefix = ProfileOf(data).Labels.SpecialPrefix;
    std::string unspaced(typed);
    if (!prefix.empty() && typed.starts_with(prefix)) {
        unspaced.erase(0, prefix.size());
        if (unspaced.empty()) return {TChannelEntryKind::Partial};
    }
    for (char& c : unspaced) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::vector<std::string> labels = SpecialLabelTexts(data);
    for (size_t i = 0; i < labels.size(); ++i) {
        const std::string_view label = std::string_view(labels[i]).substr(prefix.size());
        if (unspaced == label) {
            return {TChannelEntryKind::Target, data.ChannelCount() + static_cast<int>(i) + 1};
        }
    }
    std::vector<std::string> partials{"L", "U", "P", "R"};
    if (HasWeatherAlertRow(data)) partials.push_back("A");
    const bool partial = std::find(partials.begin(), partials.end(), unspaced) != partials.end();
    return {partial ? TChannelEntryKind::Partial : TChannelEntryKind::Invalid};
}

TMemoryDisplay MemoryDisplayOf(const TRadioData& data, int position) {
    TMemoryDisplay display;
    display.ChannelNumber = ChannelNumberText(data, position);
    display.RecordIndex = data.RecordIndexOfPosition(position);
    const std::string& record = data.GetChannel(display.RecordIndex);
    const bool weatherDefaults = HasWeatherAlertDefaults(data, display.RecordIndex);
    ShowReceive(data, record,
                ShownMemoryFrequency(data, RecordField(record, kRxFreqField), display.RecordIndex),
                weatherDefaults ? kWeatherAlertOffset : DefaultsOf(data).Offset, display);
    ShowTransmit(data, record, true, display);
    ShowTones(record, display.RecordIndex != TRadioData::kWeatherAlertRecord, display);
    ShowOptions(record, display);
    display.LockoutEnabled = IsRegularPosition(data, position);
    display.Lockout = display.LockoutEnabled && RecordField(record, kLockoutField) == "1";
    display.NameShown = data.HasMemoryNames();
    if (display.NameShown) display.Name = RecordField(record, kNameField);
    return display;
}

TChannelEdits ChannelEditsOf(const TChannelDisplay& display) {
    TChannelEdits edits;
    edits.RxText = display.RxFrequency;
    edits.TxText = display.TxFrequency;
    edits.OffsetText = display.Offset;
    edits.StepPosition = display.StepPosition;
    edits.TxStepPosition = display.TxStepPosition;
    edits.Shift = display.Shift;
    edits.Reverse = display.Reverse;
    edits.Tone = display.Tone;
    edits.TonePosition = display.TonePosition;
    edits.CtcssPosition = display.CtcssPosition;
    edits.DcsPosition = display.DcsPosition;
    edits.Narrow = display.Narrow;
    edits.BeatShift = display.BeatShift;
    return edits;
}

TMemoryEdits EditsOf(const TMemoryDisplay& display, int position) {
    TMemoryEdits edits;
    static_cast<TChannelEdits&>(edits) = ChannelEditsOf(display);
    edits.Position = position;
    edits.Lockout = display.Lockout;
    edits.Name = display.Name;
    return edits;
}

const char* FailureMessage(TEditFailure failure) {
    switch (failure) {
        case TEditFailure::InvalidFrequency:
            return kInvalidFrequencyMessage;
        case TEditFailure::InvalidOffset:
            return kInvalidOffsetMessage;
        default:
            return "";
    }
}

TMemoryRecord BuildMemoryRecord(const TRadioData& data, const TMemoryEdits& edits) {
    TMemoryRecord result;
    result.RecordIndex = data.RecordIndexOfPosition(edits.Position);
    const TFittedTexts fitted = Fitted(data, edits, data.GetBandLimit());
    result.Failure = fitted.Failure;
    if (fitted.Failure != TEditFailure::None) return result;
    std::vector<std::string> fields{LabelFieldText(data, edits.Position)};
    AppendChannelFields(data, edits, fitted, fields);
    AppendTransmitFields(data, edits, fitted, fields);
    fields.insert(fields.end(), {Flag(edits.Lockout), "", edits.Name});  // field 18 is the VFO's
    result.Text = Joined(fields);
    result.Rounded = fitted.Rounded;
    return result;
}

TNormalisedTexts NormaliseFrequencyTexts(const TRadioData& data, const TChannelEdits& edits) {
    return Normalised(Fitted(data, edits, data.GetBandLimit()));
}

TChannelDisplay CallDisplayOf(const TRadioData& data) {
    TChannelDisplay display;
    const std::string& record = data.GetCall();
    ShowReceive(data, record, ShownFrequency(data, record), DefaultsOf(data).Offset, display);
    ShowTransmit(data, record, true, display);
    ShowTones(record, true, display);
    ShowOptions(record, display);
    return display;
}

TBuiltRecord BuildCallRecord(const TRadioData& data, const TChannelEdits& edits) {
    const TFittedTexts fitted = Fitted(data, edits, data.GetBandLimit());
    if (fitted.Failure != TEditFailure::None) return {fitted.Failure, {}, false};
    std::vector<std::string> fields{"0"};
    AppendChannelFields(data, edits, fitted, fields);
    AppendTransmitFields(data, edits, fitted, fields);
    fields.insert(fields.end(), {"", "", ""});
    return {TEditFailure::None, Joined(fields), fitted.Rounded};
}

TVfoDisplay VfoDisplayOf(const TRadioData& data) {
    TVfoDisplay display;
    const std::string& record = data.GetVfo();
    ShowReceive(data, record, ShownFrequency(data, record), DefaultsOf(data).Offset, display);
    ShowTransmit(data, record, false, display);
    ShowTones(record, true, display);
    ShowOptions(record, display);
    display.PowerPosition = PowerPositionOf(data, RecordField(record, kVfoPowerField));
    display.LowerLimit = MhzText(data.GetField(TRadioData::kProgramVfoKind, 0, 0));
    display.UpperLimit = MhzText(data.GetField(TRadioData::kProgramVfoKind, 0, 1));
    return display;
}

TBuiltRecord BuildVfoRecord(const TRadioData& data, const TVfoEdits& edits) {
    const TFittedTexts fitted = Fitted(data, edits, data.GetProgramVfo());
    if (fitted.Failure != TEditFailure::None) return {fitted.Failure, {}, false};
    std::vector<std::string> fields{"0"};
    AppendChannelFields(data, edits, fitted, fields);
    const char power = PowerCodeOf(data, edits.PowerPosition);
    fields.insert(fields.end(), {"", "", "", std::string(1, power), ""});
    return {TEditFailure::None, Joined(fields), fitted.Rounded};
}

TNormalisedTexts NormaliseVfoTexts(const TRadioData& data, const TChannelEdits& edits) {
    return Normalised(Fitted(data, edits, data.GetProgramVfo()));
}

std::vector<std::string> PowerListTexts(const TRadioData& data) {
    if (HasMidPower(data)) return {"High", "Mid", "Low"};
    return {"High", "Low"};
}

int PowerPositionOf(const TRadioData& data, std::string_view stored) {
    switch (FirstCharacter(stored)) {
        case '1':
            return 1;
        case '2':
            return HasMidPower(data) ? 2 : 1;
        default:
            return 0;
    }
}

char PowerCodeOf(const TRadioData& data, int position) {
    if (position <= 0) return '0';
    return HasMidPower(data) ? static_cast<char>('0' + std::min(position, 2)) : '2';
}

TRangeTexts LowerRangeTyped(const TRadioData& data, TRangeTexts edits) {
    // No range starts at 0 MHz: a typed "0" goes again at once.
    if (edits.Lower == "0") edits.Lower.clear();
    if (edits.Lower.size() != kRangeDigits) return edits;
    ClampRangeEnd(data, edits.Lower);
    if (LeadingNumber(edits.Upper) < LeadingNumber(edits.Lower)) edits.Upper = edits.Lower;
    return edits;
}

TRangeTexts UpperRangeTyped(const TRadioData& data, TRangeTexts edits) {
    if (edits.Upper == "0") edits.Upper.clear();
    if (edits.Upper.size() != kRangeDigits) return edits;
    ClampRangeEnd(data, edits.Upper);
    if (edits.Lower.size() < kRangeDigits) {
        edits.Lower = std::to_string(BandMhzRange(data).Lower);
    } else if (LeadingNumber(edits.Upper) < LeadingNumber(edits.Lower)) {
        edits.Lower = edits.Upper;
    }
    return edits;
}

TRangeTexts CompletedRange(const TRadioData& data, TRangeTexts edits) {
    // Both ends are judged as the user left them, before either is completed.
    const TMhzRange band = BandMhzRange(data);
    const bool lowerShort = edits.Lower.size() < kRangeDigits;
    const bool upperShort = edits.Upper.size() < kRangeDigits;
    if (lowerShort) edits.Lower = std::to_string(band.Lower);
    if (upperShort) edits.Upper = std::to_string(band.Upper);
    return edits;
}

std::string ProgramVfoText(const TRangeTexts& edits) {
    return "0" + edits.Lower + ",0" + edits.Upper;
}

std::string DtmfCodeOf(const TRadioData& data, int entry) {
    return data.GetField(TRadioData::kDtmfKind, entry, 1);
}

std::string DtmfEntryText(int entry, std::string_view code) {
    return std::to_string(entry) + "," + std::string(code);
}

int WrappedDtmfEntry(int entry) {
    if (entry > kLastDtmfEntry) return 0;
    return entry < 0 ? kLastDtmfEntry : entry;
}

bool IsDtmfCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == ' ';
}

bool IsMemoryNameCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-' || c == '/' || c == ' ';
}
