#include "core/model/channelclipboard.h"

#include <algorithm>

#include "core/model/channelrecord.h"
#include "core/model/channelview.h"
#include "core/model/modelprofile.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

// A channel record is at least this long; a DTMF entry at most the shorter one.
constexpr size_t kShortestChannelClip = 30;
constexpr size_t kLongestDtmfClip = 28;
constexpr size_t kLongestDtmfCode = 16;
constexpr size_t kClipLength = TRadioData::kRecordCapacity - 1;
constexpr size_t kFrequencyLength = 10;
constexpr char kTwoPointFiveKhzCode = 'A';
constexpr int kDtmfCodeField = 1;  // after the entry number

std::string ClipField(std::string_view clip, int field) {
    return ExtractField(clip, field, false);
}

bool IsPrintable(char c) {
    return c >= ' ' && c <= '~';
}

bool IsDtmfCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == ' ';
}

bool IsNameCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '/' || c == ' ';
}

bool IsDtmfCode(std::string_view code) {
    return code.size() <= kLongestDtmfCode &&
           std::all_of(code.begin(), code.end(), IsDtmfCharacter);
}

bool RowExists(const TRadioData& data, TClipGrid grid, int row) {
    switch (grid) {
        case TClipGrid::Memory:
            return row >= 1 && row < MemoryGridRowCount(data);
        case TClipGrid::Vfo:
        case TClipGrid::Call:
            return true;  // one data row
        case TClipGrid::Dtmf:
            return row >= 1 && row <= TRadioData::kDtmfCount;
        default:
            return false;
    }
}

// Limits in whole MHz, both ends included: "0144,0147" takes 144 to 147.
bool InLimits(int mhz, std::string_view limits) {
    const int lower = LeadingNumber(ExtractField(limits, 0, false));
    const int upper = LeadingNumber(ExtractField(limits, 1, false));
    return mhz >= lower && mhz <= upper;
}

// The whole MHz of the clipboard's receive frequency must lie in the target's
// range: the programmable VFO range for the VFO (no further than its editor
// lets a frequency go), the band limits elsewhere.
bool FrequencyFits(const TRadioData& data, TClipGrid grid, std::string_view clip) {
    const int mhz = LeadingNumber(ClipField(clip, kRxFreqField).substr(0, 4));
    return InLimits(mhz, grid == TClipGrid::Vfo ? data.GetProgramVfo() : data.GetBandLimit());
}

// A 2.5 kHz step cannot go to a model without one.
bool StepsFit(const TRadioData& data, std::string_view clip) {
    const std::string_view steps = ProfileOf(data).StepCodes;
    if (steps.find(kTwoPointFiveKhzCode) != std::string_view::npos) return true;
    const std::string twoPointFive(1, kTwoPointFiveKhzCode);
    return ClipField(clip, kStepField) != twoPointFive &&
           ClipField(clip, kTxStepField) != twoPointFive;
}

void StoreRecordOfRow(TRadioData& data, TClipGrid grid, int row, std::string_view text) {
    switch (grid) {
        case TClipGrid::Memory:
            data.SetChannel(RecordOfMemoryRow(data, row), text);
            break;
        case TClipGrid::Vfo:
            data.SetVfo(text);
            break;
        case TClipGrid::Call:
            data.SetCall(text);
            break;
        case TClipGrid::Dtmf:
            data.SetDtmf(row - 1, text);
            break;
        default:
            break;
    }
}

// The memory grid's label, as wide as the model's labels: three characters on the
// mobiles ("005", " PR").
std::string PastedLabel(const TRadioData& data, TClipGrid grid, int row) {
    if (grid != TClipGrid::Memory) return "0";
    std::string label = MemoryRowLabel(data, row);
    const auto width = static_cast<size_t>(ProfileOf(data).Labels.Digits);
    if (!label.empty() && label.size() < width) {
        const bool number = label[0] >= '0' && label[0] <= '9';
        label.insert(0, width - label.size(), number ? '0' : ' ');
    }
    return label;
}

std::string PastedField(const TRadioData& data, std::string_view clip, int field,
                        bool weatherAlert) {
    std::string value = ClipField(clip, field);
    if (field == kShiftField) {
        // Only the market with the -7.6 MHz shift keeps it.
        if (!ProfileOf(data).Minus76Market && !value.empty() && value[0] > '2') value = "0";
    } else if (weatherAlert &&
               (field == kToneField || field == kCtcssField || field == kDcsField)) {
        value = "0";
    } else if (weatherAlert && (field == kToneIndexField || field == kCtcssIndexField)) {
        value = "08";
    } else if (weatherAlert && field == kDcsIndexField) {
        value = "000";
    } else if (field == kOffsetField && value.empty()) {
        value = "00000000";
    }
    return value;
}

// RxFreq to BeatShift, each after a comma.
std::string PastedCommonFields(const TRadioData& data, std::string_view clip, bool weatherAlert) {
    std::string text;
    for (int field = kRxFreqField; field <= kBeatShiftField; ++field) {
        text += ',' + PastedField(data, clip, field, weatherAlert);
    }
    return text;
}

std::string PastedSplitFields(std::string_view clip) {
    std::string txFreq = ClipField(clip, kTxFreqField);
    if (txFreq.size() < kFrequencyLength) txFreq = "0000000000";
    std::string txStep = ClipField(clip, kTxStepField);
    if (txStep.empty()) txStep = "0";
    return ',' + txFreq + ',' + txStep;
}

// The name arrives only when it is a name the radio can show.
std::string PastedName(std::string_view clip) {
    const std::string name = ExtractField(clip, kNameField, true).substr(0, kPastedNameLength);
    return std::all_of(name.begin(), name.end(), IsNameCharacter) ? name : std::string();
}

std::string PastedMemoryTail(std::string_view clip, int record) {
    std::string lockout = ClipField(clip, kLockoutField);
    if (lockout.empty() || record >= TRadioData::kFirstSpecialRecord) lockout = "0";
    return PastedSplitFields(clip) + ',' + lockout + ",," + PastedName(clip);
}

// A channel or CALL record carries no power; the VFO then takes High, as its editor reads it.
std::string PastedVfoTail(std::string_view clip) {
    std::string power = ClipField(clip, kVfoPowerField);
    if (power.empty()) power = "0";
    return ",,,," + power + ',';
}

// A record with `value` in place of field `field`, fields added when it has fewer.
std::string WithField(std::string_view record, int field, std::string_view value) {
    std::string text(record);
    size_t start = 0;
    for (int current = 0; current < field; ++current) {
        const size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            text += ',';
            start = text.size();
        } else {
            start = comma + 1;
        }
    }
    const size_t end = std::min(text.find(',', start), text.size());
    return text.replace(start, end - start, value);
}

}  // namespace

std::string ClipBytesOf(std::string_view text) {
    std::string bytes(text);
    bytes.push_back('\0');
    return bytes;
}

std::string ClipTextFromBytes(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, std::min(bytes.find('\0'), kClipLength));
    if (!std::all_of(text.begin(), text.end(), IsPrintable)) return {};
    return std::string(text);
}

bool CutDeleteAllowed(TClipGrid grid) {
    return grid == TClipGrid::Memory || grid == TClipGrid::Dtmf;
}

TEditCommandState EditCommandStateOf(const TRadioData& data, TClipGrid grid, int row,
                                     bool memoryPage) {
    if (!memoryPage) return {};
    // Before any grid is entered Cut and Delete stay offered, and say they cannot act.
    return {PasteAllowed(data, grid, row), grid != TClipGrid::Vfo && grid != TClipGrid::Call};
}

bool PasteAllowed(const TRadioData& data, TClipGrid grid, int row) {
    return ClipFitOf(data, grid, row, data.GetClipRecord()) == TClipFit::Suits;
}

TClipFit ClipFitOf(const TRadioData& data, TClipGrid grid, int row, std::string_view clip) {
    if (clip.empty() || !RowExists(data, grid, row)) return TClipFit::NoRecord;
    if (grid == TClipGrid::Dtmf) {
        const bool suits =
            clip.size() <= kLongestDtmfClip && IsDtmfCode(ClipField(clip, kDtmfCodeField));
        return suits ? TClipFit::Suits : TClipFit::NoRecord;
    }
    if (clip.size() < kShortestChannelClip) return TClipFit::NoRecord;
    if (!FrequencyFits(data, grid, clip)) return TClipFit::OutsideBand;
    return StepsFit(data, clip) ? TClipFit::Suits : TClipFit::StepNotOffered;
}

std::string RecordOfRow(const TRadioData& data, TClipGrid grid, int row) {
    if (!RowExists(data, grid, row)) return {};
    switch (grid) {
        case TClipGrid::Memory:
            return data.GetChannel(RecordOfMemoryRow(data, row));
        case TClipGrid::Vfo:
            return data.GetVfo();
        case TClipGrid::Call:
            return data.GetCall();
        case TClipGrid::Dtmf:
            return data.GetDtmf(row - 1);
        default:
            return {};
    }
}

std::string CutRow(TRadioData& data, TClipGrid grid, int row) {
    std::string taken = RecordOfRow(data, grid, row);
    return DeleteRow(data, grid, row) ? taken : std::string();
}

bool DeleteRow(TRadioData& data, TClipGrid grid, int row) {
    if (!CutDeleteAllowed(grid) || !RowExists(data, grid, row)) return false;
    data.Changed = true;
    StoreRecordOfRow(data, grid, row, {});
    return true;
}

std::string PastedRecord(const TRadioData& data, TClipGrid grid, int row) {
    return PastedRecordOf(data, grid, row, data.GetClipRecord());
}

std::string PastedRecordOf(const TRadioData& data, TClipGrid grid, int row, std::string_view clip) {
    if (grid == TClipGrid::None) return {};
    if (grid == TClipGrid::Dtmf)
        return std::to_string(row - 1) + ',' + ClipField(clip, kDtmfCodeField);
    const int record = grid == TClipGrid::Memory ? RecordOfMemoryRow(data, row) : -1;
    std::string text = PastedLabel(data, grid, row) +
                       PastedCommonFields(data, clip, record == TRadioData::kWeatherAlertRecord);
    switch (grid) {
        case TClipGrid::Vfo:
            return text + PastedVfoTail(clip);
        case TClipGrid::Call:
            return text + PastedSplitFields(clip) + ",,,";
        default:
            return text + PastedMemoryTail(clip, record);
    }
}

bool PasteIntoRow(TRadioData& data, TClipGrid grid, int row) {
    if (!PasteAllowed(data, grid, row)) return false;
    data.Changed = true;
    StoreRecordOfRow(data, grid, row, PastedRecord(data, grid, row));
    return true;
}

bool LockOutAllowed(const TRadioData& data, int row) {
    return row >= 1 && row <= data.ChannelCount() + 1;
}

bool ToggleLockout(TRadioData& data, int row) {
    if (!LockOutAllowed(data, row)) return false;
    const std::string& record = data.GetChannel(row - 1);
    if (record.size() <= 3) return false;
    const bool unlocked = RecordField(record, kLockoutField) == "0";
    data.SetChannel(row - 1, WithField(record, kLockoutField, unlocked ? "1" : "0"));
    data.Changed = true;
    return true;
}
