#include "core/files/datacompare.h"
#include "core/model/visiblebytes.h"

#include <algorithm>
#include <array>

#include "core/files/listing.h"
#include "core/model/channelrecord.h"
#include "core/model/radiodata.h"

namespace {

using TDifferences = std::vector<TDataDifference>;

constexpr std::array<const char*, kLastField + 1> kFieldNames{
    "Label",  "RxFreq",    "Step",       "Shift",    "Reverse", "Tone",   "Ctcss",
    "Dcs",    "ToneIndex", "CtcssIndex", "DcsIndex", "Offset",  "Narrow", "BeatShift",
    "TxFreq", "TxStep",    "Lockout",    "Power",    "Name"};

constexpr std::array<const char*, 8> kSpecialRecordNames{"L0", "U0", "L1", "U1",
                                                         "L2", "U2", "PR", "AL"};

constexpr size_t kLongestShownValue = 60;

// The three record layouts differ in which fields the transceiver keeps.
enum class TRecordShape { Channel, Call, Vfo };

bool ComparesField(TRecordShape shape, int field, const TComparedParts& parts) {
    if (shape == TRecordShape::Channel && field == kNameField && !parts.Names) return false;
    if (!parts.WireFieldsOnly) return true;
    switch (shape) {
        case TRecordShape::Channel:
            return field != kVfoPowerField;
        case TRecordShape::Call:
            return field >= kRxFreqField && field <= kTxStepField;
        case TRecordShape::Vfo:
            return (field >= kRxFreqField && field <= kBeatShiftField) || field == kVfoPowerField;
    }
    return true;
}

std::string_view WithoutBlanks(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// Mobiles write the special entries' labels with a leading blank, the
// transceiver sends them without: the label means the same either way.
bool SameFieldValue(int field, std::string_view first, std::string_view second) {
    return field == kLabelField ? WithoutBlanks(first) == WithoutBlanks(second) : first == second;
}

bool IsPresent(const std::string& record) {
    return record.size() > kEmptyRecordLength;
}

void CompareValue(const std::string& record, const std::string& field, const std::string& first,
                  const std::string& second, TDifferences& found) {
    if (first != second) found.push_back({record, field, first, second});
}

// A record on one side only is one difference; two records are compared
// field by field, so a missing trailing empty field makes no difference.
void CompareRecord(const std::string& record, TRecordShape shape, const std::string& first,
                   const std::string& second, const TComparedParts& parts, TDifferences& found) {
    const bool hasFirst = IsPresent(first);
    const bool hasSecond = IsPresent(second);
    if (hasFirst != hasSecond) {
        found.push_back({record, "", hasFirst ? first : "", hasSecond ? second : ""});
        return;
    }
    if (!hasFirst) return;
    for (int field = 0; field <= kLastField; ++field) {
        if (!ComparesField(shape, field, parts)) continue;
        const std::string a = RecordField(first, field);
        const std::string b = RecordField(second, field);
        if (!SameFieldValue(field, a, b)) {
            found.push_back({record, kFieldNames[static_cast<size_t>(field)], a, b});
        }
    }
}

std::string RecordName(int index) {
    if (index < TRadioData::kFirstSpecialRecord) return "channel " + std::to_string(index);
    return kSpecialRecordNames[static_cast<size_t>(index - TRadioData::kFirstSpecialRecord)];
}

void CompareChannel(const TRadioData& first, const TRadioData& second, int index,
                    const TComparedParts& parts, TDifferences& found) {
    CompareRecord(RecordName(index), TRecordShape::Channel, first.GetChannel(index),
                  second.GetChannel(index), parts, found);
}

void CompareChannels(const TRadioData& first, const TRadioData& second, const TComparedParts& parts,
                     TDifferences& found) {
    // Channels beyond the smaller count exist on one side only; they count too.
    const int lastMemory = std::min(std::max(first.ChannelCount(), second.ChannelCount()),
                                    TRadioData::kFirstSpecialRecord - 1);
    for (int index = 0; index <= lastMemory; ++index) {
        CompareChannel(first, second, index, parts, found);
    }
    const int lastSpecial =
        parts.WeatherAlert ? TRadioData::kWeatherAlertRecord : TRadioData::kPriorityRecord;
    for (int index = TRadioData::kFirstSpecialRecord; index <= lastSpecial; ++index) {
        CompareChannel(first, second, index, parts, found);
    }
}

std::string DtmfCode(const std::string& entry) {
    return entry.size() > kEmptyDtmfLength ? entry : std::string();
}

void CompareOtherRecords(const TRadioData& first, const TRadioData& second,
                         const TComparedParts& parts, TDifferences& found) {
    CompareRecord("CALL", TRecordShape::Call, first.GetCall(), second.GetCall(), parts, found);
    CompareRecord("VFO", TRecordShape::Vfo, first.GetVfo(), second.GetVfo(), parts, found);
    CompareValue("programmable VFO", "", first.GetProgramVfo(), second.GetProgramVfo(), found);
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        const std::string& a = first.GetDtmf(entry);
        const std::string& b = second.GetDtmf(entry);
        if (DtmfCode(a) != DtmfCode(b))
            found.push_back({"DTMF " + std::to_string(entry), "", a, b});
    }
}

std::vector<int> ComparedSlots(const TRadioData& first, const TComparedParts& parts) {
    std::vector<int> wanted = parts.MenuSlots;
    if (wanted.empty()) {
        for (int slot = 1; slot <= first.UsedMenuSlotCount(); ++slot) wanted.push_back(slot);
    }
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    return wanted;
}

void CompareMenu(const TRadioData& first, const TRadioData& second, const TComparedParts& parts,
                 TDifferences& found) {
    for (const int slot : ComparedSlots(first, parts)) {
        CompareValue("menu", MenuSettingName(slot), first.GetMenuSlot(slot),
                     second.GetMenuSlot(slot), found);
    }
}

std::string ShownValue(std::string_view value) {
    if (value.empty()) return "(empty)";
    const bool cut = value.size() > kLongestShownValue;
    return '"' + VisibleBytes(value.substr(0, kLongestShownValue)) + (cut ? "\"..." : "\"");
}

std::string Worded(std::string_view word, std::string_view value) {
    return word.empty() ? ShownValue(value) : std::string(word) + ' ' + ShownValue(value);
}

}  // namespace

std::vector<TDataDifference> CompareData(const TRadioData& first, const TRadioData& second,
                                         const TComparedParts& parts) {
    TDifferences found;
    if (parts.Identity) {
        CompareValue("model", "", first.GetModel(), second.GetModel(), found);
        CompareValue("market code", "", first.GetMarketCode(), second.GetMarketCode(), found);
        CompareValue("band limit", "", first.GetBandLimit(), second.GetBandLimit(), found);
    }
    if (parts.Comment) CompareValue("comment", "", first.GetComment(), second.GetComment(), found);
    if (parts.Records) {
        CompareChannels(first, second, parts, found);
        CompareOtherRecords(first, second, parts, found);
    }
    if (parts.Menu) CompareMenu(first, second, parts, found);
    return found;
}

std::string DifferenceLine(const TDataDifference& d, std::string_view firstWord,
                           std::string_view secondWord) {
    std::string line = d.Record;
    if (!d.Field.empty()) line += ", " + d.Field;
    const bool plain = firstWord.empty() && secondWord.empty();
    return line + ": " + Worded(firstWord, d.First) + (plain ? " | " : ", ") +
           Worded(secondWord, d.Second);
}
