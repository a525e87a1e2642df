#include "editors/channelediting.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "data/channelrecord.h"
#include "data/channelview.h"
#include "data/numbertext.h"
#include "data/radiodata.h"
#include "editors/frequencyrules.h"

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

TShiftChoice ShiftChoiceOf(const std::string& shiftField, bool offersMinus76) {
    if (shiftField == "1") return TShiftChoice::Plus;
    if (shiftField == "2") return TShiftChoice::Minus;
    if (shiftField == "3" && offersMinus76) return TShiftChoice::Minus76;
    return TShiftChoice::Simplex;
}

// A receive frequency too short to be one shows the default; the AL entry has none but
// its weather channel.
std::string ShownFrequency(const TRadioData& data, const std::string& stored, int recordIndex) {
    if (stored.size() >= kFrequencyDigits) return stored;
    if (recordIndex != TRadioData::kWeatherAlertRecord) {
        return DefaultFieldValues(data.GetModel(), data.GetMarketCode()).Frequency;
    }
    return HasWeatherAlertDefaults(data, recordIndex) ? kWeatherAlertFrequency : "";
}

void ShowReceive(const TRadioData& data, const std::string& record, TMemoryDisplay& display) {
    const TFieldDefaults defaults = DefaultFieldValues(data.GetModel(), data.GetMarketCode());
    const bool weatherDefaults = HasWeatherAlertDefaults(data, display.RecordIndex);
    const std::string step =
        StoredOrDefault(RecordField(record, kStepField), std::string(1, defaults.StepCode));
    const std::string offset = StoredOrDefault(
        RecordField(record, kOffsetField), weatherDefaults ? kWeatherAlertOffset : defaults.Offset);
    display.RxFrequency = FormatFrequencyText(
        ShownFrequency(data, RecordField(record, kRxFreqField), display.RecordIndex));
    display.StepPosition =
        ListPositionFromStepCode(FirstCharacter(step), data.GetModel(), data.GetMarketCode());
    display.Offset = FormatOffsetText(offset);
    display.OffersMinus76 = OffersMinus76Shift(data.GetModel(), data.GetMarketCode());
}

// A split channel shows its own transmit frequency; otherwise the receive values stand in.
void ShowTransmit(const TRadioData& data, const std::string& record, TMemoryDisplay& display) {
    const std::string tx = RecordField(record, kTxFreqField);
    if (LeadingNumber(tx) != 0) {
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

void ShowTones(const std::string& record, TMemoryDisplay& display) {
    if (display.RecordIndex == TRadioData::kWeatherAlertRecord) {
        display.TonesEnabled = false;
        display.Tone = TToneChoice::None;
        display.TonePosition = kDefaultTonePosition;
        display.CtcssPosition = kDefaultTonePosition;
        display.DcsPosition = kDefaultDcsPosition;
        return;
    }
    display.TonesEnabled = true;
    display.Tone = ToneChoiceOf(record);
    display.TonePosition = TonePositionOf(RecordField(record, kToneIndexField));
    display.CtcssPosition = TonePositionOf(RecordField(record, kCtcssIndexField));
    display.DcsPosition = DcsPositionOf(RecordField(record, kDcsIndexField));
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

void AppendToneFields(const TMemoryEdits& edits, std::vector<std::string>& fields) {
    fields.push_back(Flag(edits.Tone == TToneChoice::Tone));
    fields.push_back(Flag(edits.Tone == TToneChoice::Ctcss));
    fields.push_back(Flag(edits.Tone == TToneChoice::Dcs));
    fields.push_back(ZeroPadded(edits.TonePosition, 2));
    fields.push_back(ZeroPadded(edits.CtcssPosition, 2));
    fields.push_back(ZeroPadded(edits.DcsPosition, 3));
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

struct TParsedTexts {
    TEditFailure Failure = TEditFailure::None;
    std::string Rx;
    std::string Tx;
    std::string Offset;
};

TParsedTexts ParseTexts(const TRadioData& data, const TMemoryEdits& edits) {
    TParsedTexts parsed;
    const std::optional<std::string> rx = ParseFrequencyText(edits.RxText, data.GetModel());
    const std::optional<std::string> tx = ParseFrequencyText(edits.TxText, data.GetModel());
    if (!rx || !tx) {
        parsed.Failure = TEditFailure::InvalidFrequency;
        return parsed;
    }
    const std::optional<std::string> offset = ParseOffsetText(edits.OffsetText);
    if (!offset) {
        parsed.Failure = TEditFailure::InvalidOffset;
        return parsed;
    }
    parsed.Rx = *rx;
    parsed.Tx = *tx;
    parsed.Offset = *offset;
    return parsed;
}

TFitResult Fitted(const TRadioData& data, const std::string& frequency, int stepPosition) {
    return FitFrequency(frequency, data.GetBandLimit(), stepPosition, data.GetModel());
}

}  // namespace

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
    std::vector<std::string> labels;
    for (size_t i = 0; i < count; ++i) {
        labels.push_back((data.IsMobile() ? " " : "") + std::string(kSpecialLabels[i]));
    }
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
    return ZeroPadded(position, data.IsMobile() ? 3 : 2);
}

TChannelEntry InterpretChannelEntry(const TRadioData& data, std::string_view typed) {
    if (typed.empty()) return {TChannelEntryKind::Empty};
    if (IsAllDigits(typed) && LeadingNumber(typed) <= data.ChannelCount()) {
        return {TChannelEntryKind::Target, LeadingNumber(typed)};
    }
    const std::vector<std::string> labels = SpecialLabelTexts(data);
    for (size_t i = 0; i < labels.size(); ++i) {
        if (typed == labels[i]) {
            return {TChannelEntryKind::Target, data.ChannelCount() + static_cast<int>(i) + 1};
        }
    }
    std::vector<std::string> partials{"L", "U", "P", "R", "PR"};
    if (HasWeatherAlertRow(data)) {
        partials.insert(partials.end(), {"A", "AL"});
    }
    // A mobile's labels start with a space: the space and the letters after it are typed
    // one at a time like the rest.
    std::string_view unspaced = typed;
    if (data.IsMobile() && typed.starts_with(' ')) {
        unspaced.remove_prefix(1);
        if (unspaced.empty()) return {TChannelEntryKind::Partial};
    }
    const bool partial = std::find(partials.begin(), partials.end(), unspaced) != partials.end();
    return {partial ? TChannelEntryKind::Partial : TChannelEntryKind::Invalid};
}

TMemoryDisplay MemoryDisplayOf(const TRadioData& data, int position) {
    TMemoryDisplay display;
    display.ChannelNumber = ChannelNumberText(data, position);
    display.RecordIndex = data.RecordIndexOfPosition(position);
    const std::string& record = data.GetChannel(display.RecordIndex);
    ShowReceive(data, record, display);
    ShowTransmit(data, record, display);
    ShowTones(record, display);
    display.Narrow = RecordField(record, kNarrowField) == "1";
    display.BeatShift = RecordField(record, kBeatShiftField) == "1";
    display.LockoutEnabled = IsRegularPosition(data, position);
    display.Lockout = display.LockoutEnabled && RecordField(record, kLockoutField) == "1";
    display.NameShown = data.HasMemoryNames();
    if (display.NameShown) display.Name = RecordField(record, kNameField);
    return display;
}

TMemoryEdits EditsOf(const TMemoryDisplay& display, int position) {
    TMemoryEdits edits;
    edits.Position = position;
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
    const TParsedTexts parsed = ParseTexts(data, edits);
    if (parsed.Failure != TEditFailure::None) {
        result.Failure = parsed.Failure;
        return result;
    }
    const std::string& model = data.GetModel();
    const bool split = edits.Shift == TShiftChoice::Split;
    const TFitResult rx = Fitted(data, parsed.Rx, edits.StepPosition);
    std::vector<std::string> fields{
        LabelFieldText(data, edits.Position), rx.Frequency,
        std::string(1, StepCodeFromListPosition(edits.StepPosition, model)),
        ShiftField(edits.Shift), Flag(edits.Reverse)};
    AppendToneFields(edits, fields);
    fields.push_back(split ? kNoOffset : parsed.Offset);
    fields.push_back(Flag(edits.Narrow));
    fields.push_back(Flag(edits.BeatShift));
    result.Rounded = rx.Changed;
    if (split) {
        const TFitResult tx = Fitted(data, parsed.Tx, edits.TxStepPosition);
        fields.push_back(tx.Frequency);
        fields.push_back(std::string(1, StepCodeFromListPosition(edits.TxStepPosition, model)));
        result.Rounded = result.Rounded || tx.Changed;
    } else {
        fields.push_back(kNoSplitFrequency);
        fields.push_back("0");
    }
    fields.push_back(Flag(edits.Lockout));
    fields.push_back("");  // field 18 is the VFO's alone
    fields.push_back(edits.Name);
    result.Text = Joined(fields);
    return result;
}

TNormalisedTexts NormaliseFrequencyTexts(const TRadioData& data, const TMemoryEdits& edits) {
    TNormalisedTexts result;
    const TParsedTexts parsed = ParseTexts(data, edits);
    if (parsed.Failure != TEditFailure::None) {
        result.Failure = parsed.Failure;
        return result;
    }
    const TFitResult rx = Fitted(data, parsed.Rx, edits.StepPosition);
    result.RxFrequency = FormatFrequencyText(rx.Frequency);
    result.Rounded = rx.Changed;
    if (edits.Shift == TShiftChoice::Split) {
        const TFitResult tx = Fitted(data, parsed.Tx, edits.TxStepPosition);
        result.TxFrequency = FormatFrequencyText(tx.Frequency);
        result.Rounded = result.Rounded || tx.Changed;
    } else {
        result.TxFrequency = result.RxFrequency;
    }
    result.Offset = FormatOffsetText(parsed.Offset);
    return result;
}

bool IsMemoryNameCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-' || c == '/' || c == ' ';
}
