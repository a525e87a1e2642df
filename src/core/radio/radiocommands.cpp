#include "core/radio/radiocommands.h"

#include <QtGlobal>

#include "core/model/messagewords.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/model/channelrecord.h"
#include "core/model/radiodata.h"

namespace {

constexpr std::array<std::string_view, 8> kSpecialLabels = {"L0", "U0", "L1", "U1",
                                                            "L2", "U2", "PR", "AL"};
constexpr int kSpecialCount = static_cast<int>(kSpecialLabels.size());
constexpr int kLastMemoryRecord = TRadioData::kFirstSpecialRecord - 1;

bool IsControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Fields first..last of a record joined by commas. Missing fields come out
// empty, so the result always has the full number of fields.
std::string JoinFields(std::string_view record, int first, int last) {
    std::string joined;
    for (int field = first; field <= last; ++field) {
        if (field > first) joined += ',';
        joined += ExtractField(record, field, false);
    }
    return joined;
}

std::string ZeroPadded(std::string_view text, size_t width) {
    text = text.substr(0, width);
    return std::string(width - text.size(), '0') + std::string(text);
}

std::string MappedCharacters(std::string_view text, char from1, char to1, char from2, char to2) {
    std::string mapped(text);
    for (char& c : mapped) {
        if (c == from1) {
            c = to1;
        } else if (c == from2) {
            c = to2;
        }
    }
    return mapped;
}

std::string EntryChannelField(const TRadioData& data, int counter) {
    return ChannelField(counter, data.ChannelCount(), ProfileOf(data).Labels);
}

// The highest memory channel a channel field of `digits` digits can name.
int LastNumberedRecord(int digits) {
    int highest = 1;
    for (int digit = 0; digit < digits; ++digit) highest *= 10;
    return std::min(highest - 1, kLastMemoryRecord);
}

// The code part of a DTMF entry "d,CODE".
std::string_view DtmfCodeOf(std::string_view entry) {
    const size_t comma = entry.find(',');
    return comma == std::string_view::npos ? std::string_view() : entry.substr(comma + 1);
}

}  // namespace

std::string FramedCommand(std::string_view text) {
    std::string framed;
    framed.reserve(text.size() + 1);
    std::copy_if(text.begin(), text.end(), std::back_inserter(framed),
                 [](char c) { return !IsControlCharacter(c); });
    framed += '\r';
    return framed;
}

std::string ReplyText(std::string_view bytes) {
    std::string reply(bytes);
    std::erase(reply, '\r');
    return reply;
}

bool IsRefusal(std::string_view reply) {
    return reply == "?" || reply == "E";
}

bool IsNoData(std::string_view reply) {
    return reply == "N";
}

bool IsSpecialReply(std::string_view reply) {
    return IsNoData(reply) || IsRefusal(reply);
}

namespace {

bool NamesEntry(std::string_view mnemonic) {
    return mnemonic == "ME" || mnemonic == "MN" || mnemonic == "DM";
}

}  // namespace

std::string EntryOfCommand(std::string_view command) {
    const std::string_view mnemonic = command.substr(0, 2);
    if (!NamesEntry(mnemonic)) return std::string(mnemonic);
    return std::string(command.substr(0, command.find(',')));
}

bool ReplyAnswers(std::string_view command, std::string_view reply) {
    if (command.empty() || IsSpecialReply(reply)) return true;
    const std::string entry = EntryOfCommand(command);
    if (!reply.starts_with(entry)) return false;
    if (reply.size() == entry.size()) return true;
    const char next = reply[entry.size()];
    return next == ',' || (next == ' ' && !NamesEntry(entry.substr(0, 2)));
}

bool ConfirmsWrite(std::string_view command, std::string_view reply) {
    return !IsSpecialReply(reply) && ReplyAnswers(command, reply);
}

bool AnswersQuery(std::string_view command, std::string_view reply, bool refusalIsEmptyChannel) {
    const std::string_view mnemonic = command.substr(0, 2);
    if (IsRefusal(reply)) return refusalIsEmptyChannel && reply == "?" && mnemonic == "ME";
    if (IsNoData(reply)) return NamesEntry(mnemonic);
    return ReplyAnswers(command, reply);
}

std::string DescribeCommand(std::string_view command) {
    const std::string entry = EntryOfCommand(command);
    const std::string_view mnemonic = std::string_view(entry).substr(0, 2);
    std::string label = entry.size() > 3 ? entry.substr(3) : std::string();
    while (label.starts_with(' ')) label.erase(0, 1);
    const bool numbered =
        !label.empty() && label.find_first_not_of("0123456789") == std::string::npos;
    const std::string channel =
        numbered ? MessageText(QT_TRANSLATE_NOOP("Messages", "channel %1"), {label}) : label;
    if (mnemonic == "ME") return channel;
    if (mnemonic == "MN")
        return MessageText(QT_TRANSLATE_NOOP("Messages", "the name of %1"), {channel});
    if (mnemonic == "DM")
        return MessageText(QT_TRANSLATE_NOOP("Messages", "DTMF memory %1"), {label});
    if (mnemonic == "CA") return MessageText(QT_TRANSLATE_NOOP("Messages", "the CALL channel"));
    if (mnemonic == "VF" || mnemonic == "PC") {
        return MessageText(QT_TRANSLATE_NOOP("Messages", "the VFO"));
    }
    if (mnemonic == "PV") return MessageText(QT_TRANSLATE_NOOP("Messages", "the programmable VFO"));
    if (mnemonic == "MU" || SlotCommandOf(mnemonic) != nullptr) {
        return MessageText(QT_TRANSLATE_NOOP("Messages", "the menu settings"));
    }
    if (mnemonic == "VM") return MessageText(QT_TRANSLATE_NOOP("Messages", "the VFO mode"));
    if (mnemonic == "CQ") return MessageText(QT_TRANSLATE_NOOP("Messages", "the channel count"));
    if (mnemonic == "TY") return MessageText(QT_TRANSLATE_NOOP("Messages", "the market code"));
    if (mnemonic == "FL") return MessageText(QT_TRANSLATE_NOOP("Messages", "the band"));
    return MessageText(QT_TRANSLATE_NOOP("Messages", "the identification"));
}

std::chrono::milliseconds CommandDelay(std::string_view model) {
    return ProfileOf(ModelOfId(model), {}).CommandDelay;
}

std::string ModelOfId(std::string_view payload) {
    return ModelOfIdentity(payload);
}

std::string ReplyPayload(std::string_view reply, size_t start) {
    return reply.size() > start ? std::string(reply.substr(start)) : std::string();
}

size_t MemoryPayloadStart(bool specialEntry, const TLabelForm& labels) {
    // The label of a special entry keeps the blank its channel field may carry before it.
    return kPayloadStart + (specialEntry ? std::string_view(labels.SpecialPrefix).size() : 0);
}

size_t NamePayloadStart(const TLabelForm& labels) {
    // "MN ", the channel field's digits and the comma.
    return kPayloadStart + static_cast<size_t>(labels.Digits) + 1;
}

std::string MemoryPayload(std::string_view reply, bool specialEntry, const TLabelForm& labels) {
    return ReplyPayload(reply, MemoryPayloadStart(specialEntry, labels));
}

std::string NamePayload(std::string_view reply, const TLabelForm& labels) {
    return ReplyPayload(reply, NamePayloadStart(labels));
}

int RecordOfCounter(int counter, int channelCount) {
    if (channelCount < 0 || channelCount > kLastMemoryRecord || counter < 0) return -1;
    if (counter <= channelCount) return counter;
    const int special = counter - channelCount - 1;
    return special < kSpecialCount ? TRadioData::kFirstSpecialRecord + special : -1;
}

std::string RecordChannelField(int record, const TLabelForm& labels) {
    if (record >= 0 && record <= LastNumberedRecord(labels.Digits)) {
        return ZeroPadded(std::to_string(record), static_cast<size_t>(labels.Digits));
    }
    const int special = record - TRadioData::kFirstSpecialRecord;
    if (special < 0 || special >= kSpecialCount) return {};
    return labels.SpecialPrefix + std::string(kSpecialLabels[static_cast<size_t>(special)]);
}

std::string ChannelField(int counter, int channelCount, const TLabelForm& labels) {
    return RecordChannelField(RecordOfCounter(counter, channelCount), labels);
}

int RecordOfChannelField(std::string_view field, const TLabelForm& labels) {
    if (field.size() != static_cast<size_t>(labels.Digits)) return -1;
    if (IsDigits(field)) return std::stoi(std::string(field));
    if (!field.starts_with(labels.SpecialPrefix)) return -1;
    field.remove_prefix(std::string_view(labels.SpecialPrefix).size());
    const auto label = std::find(kSpecialLabels.begin(), kSpecialLabels.end(), field);
    if (label == kSpecialLabels.end()) return -1;
    return TRadioData::kFirstSpecialRecord + static_cast<int>(label - kSpecialLabels.begin());
}

int LastWrittenCounter(const TRadioData& data) {
    const int pr = data.ChannelCount() + kSpecialCount - 1;
    return ProfileOf(data).CarriesAlEntry ? pr + 1 : pr;
}

std::string MemoryRequest(std::string_view channelField) {
    return "ME " + std::string(channelField);
}

std::string NameRequest(std::string_view channelField) {
    return "MN " + std::string(channelField);
}

std::string MemoryEntryText(std::string_view record, std::string_view channelField) {
    std::string text = MemoryRequest(channelField) + ',';
    if (!ExtractField(record, kRxFreqField, false).empty()) {
        text += JoinFields(record, kRxFreqField, kLockoutField);
    }
    return text;
}

std::string NameEntryText(std::string_view record, std::string_view channelField) {
    return NameRequest(channelField) + ',' + RecordField(record, kNameField);
}

std::string MemoryRecord(std::string_view mePayload, std::string_view mnPayload,
                         std::string_view channelField) {
    if (mePayload.size() <= kEmptyRecordLength) return {};
    const bool restoreBlank = channelField.starts_with(' ') && !mePayload.starts_with(' ');
    // Fields 1..17 taken one by one, so that a payload with too few or too
    // many values cannot push the name into another field.
    return (restoreBlank ? " " : "") + JoinFields(mePayload, kLabelField, kLockoutField) + ",," +
           std::string(mnPayload);
}

std::string BuildMemoryRead(const TRadioData& data, int counter) {
    const std::string field = EntryChannelField(data, counter);
    return field.empty() ? std::string() : MemoryRequest(field);
}

std::string BuildNameRead(const TRadioData& data, int counter) {
    const std::string field = EntryChannelField(data, counter);
    return field.empty() || !data.HasMemoryNames() ? std::string() : NameRequest(field);
}

std::string BuildMemoryWrite(const TRadioData& data, int counter) {
    const std::string field = EntryChannelField(data, counter);
    if (field.empty()) return {};
    return MemoryEntryText(data.GetChannel(RecordOfCounter(counter, data.ChannelCount())), field);
}

std::string BuildNameWrite(const TRadioData& data, int counter) {
    const std::string field = EntryChannelField(data, counter);
    if (field.empty() || !data.HasMemoryNames()) return {};
    const std::string& record = data.GetChannel(RecordOfCounter(counter, data.ChannelCount()));
    // A cleared entry has no name to carry.
    if (ExtractField(record, kRxFreqField, false).empty()) return {};
    return NameEntryText(record, field);
}

void StoreMemoryReplies(TRadioData& data, int counter, std::string_view meReply,
                        std::string_view mnReply) {
    const int record = RecordOfCounter(counter, data.ChannelCount());
    const TLabelForm& labels = ProfileOf(data).Labels;
    const std::string field = RecordChannelField(record, labels);
    if (field.empty()) return;
    const bool special = record >= TRadioData::kFirstSpecialRecord;
    const std::string name = data.HasMemoryNames() ? NamePayload(mnReply, labels) : "";
    data.SetChannel(record, MemoryRecord(MemoryPayload(meReply, special, labels), name, field));
}

std::string BuildCallWrite(const TRadioData& data) {
    return "CA " + JoinFields(data.GetCall(), kRxFreqField, kTxStepField);
}

std::string CallRecord(std::string_view payload) {
    // The three empty fields at the end keep the record as data files and the defaults hold it.
    return "0," + JoinFields(payload, 0, kTxStepField - kRxFreqField) + ",,,";
}

std::string BuildVfoWrite(const TRadioData& data) {
    return "VF " + JoinFields(data.GetVfo(), kRxFreqField, kBeatShiftField);
}

std::string BuildPowerWrite(const TRadioData& data) {
    return "PC " + ExtractField(data.GetVfo(), kVfoPowerField, false);
}

std::string VfoRecord(std::string_view vfPayload, std::string_view pcPayload) {
    return "0," + JoinFields(vfPayload, 0, kBeatShiftField - kRxFreqField) + ",,,," +
           ExtractField(pcPayload, 0, false) + ",";
}

std::string BuildProgramVfoWrite(const TRadioData& data) {
    return "PV " + JoinFields(data.GetProgramVfo(), 0, 1);
}

std::string DtmfCodeToWire(std::string_view code) {
    return MappedCharacters(code, '*', 'E', '#', 'F');
}

std::string DtmfCodeFromWire(std::string_view code) {
    return MappedCharacters(code, 'E', '*', 'F', '#');
}

std::string BuildDtmfRead(int entry) {
    if (entry < 0 || entry >= TRadioData::kDtmfCount) return {};
    return "DM " + std::to_string(entry);
}

std::string BuildDtmfWrite(const TRadioData& data, int entry) {
    const std::string request = BuildDtmfRead(entry);
    if (request.empty()) return {};
    return request + ',' + DtmfCodeToWire(DtmfCodeOf(data.GetDtmf(entry)));
}

std::string DtmfEntry(int entry, std::string_view payload) {
    const std::string prefix = std::to_string(entry) + ',';
    if (payload.size() < 3 || !payload.starts_with(prefix)) return {};
    return prefix + DtmfCodeFromWire(payload.substr(prefix.size()));
}

std::string MenuValuesText(const TRadioData& data) {
    // Every value fills its width, or all that follow it would shift out of place.
    std::string text;
    for (const TMenuValue& value : MenuLayout(ProfileOf(data).Menu)) {
        if (!text.empty()) text += ',';
        text += ZeroPadded(data.GetMenuSlot(value.Slot), static_cast<size_t>(value.Width));
    }
    return text;
}

std::string BuildMenuWrite(const TRadioData& data, bool holdVox) {
    if (!holdVox || !ProfileOf(data).HoldsVoxOff) return "MU " + MenuValuesText(data);
    TRadioData held = data;
    held.SetMenuSlot(kHandheldHeldMenuSlot, "0");
    return "MU " + MenuValuesText(held);
}

void StoreMenuValues(TRadioData& data, std::string_view payload) {
    size_t position = 0;
    for (const TMenuValue& value : MenuLayout(ProfileOf(data).Menu)) {
        const auto width = static_cast<size_t>(value.Width);
        if (position + width <= payload.size()) {
            const std::string_view text = payload.substr(position, width);
            // A comma where a value belongs means the text is out of step.
            if (text.find(',') == std::string_view::npos) data.SetMenuSlot(value.Slot, text);
        }
        position += width + 1;
    }
}

std::string BuildChannelCountWrite(const TRadioData& data) {
    return data.HasMemoryNames() ? "CQ 1" : "CQ 0";
}

void StoreChannelCount(TRadioData& data, std::string_view payload) {
    const bool smaller = payload == "1";
    const TChannelCounts counts = ProfileOf(data).ChannelCounts;
    data.SetMenuSlot(kChannelCountSlot, smaller ? counts.Smaller : counts.Larger);
}

std::string BuildSlotRead(const TSlotCommand& command) {
    return std::string(command.Mnemonic);
}

std::string BuildSlotWrite(const TRadioData& data, const TSlotCommand& command) {
    return BuildSlotRead(command) + ' ' + data.GetMenuSlot(command.Slot);
}

bool IsChannelDisplayProtected(std::string_view payload) {
    return payload == "1";
}

std::string BuildProtectWrite(bool isProtected) {
    return isProtected ? "CP 1" : "CP 0";
}
