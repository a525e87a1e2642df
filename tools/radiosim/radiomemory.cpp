#include "radiosim/radiomemory.h"

#include <algorithm>

#include "core/model/radiodata.h"

namespace {

// Fields of a channel-like record in the data files: 19, the last (the name)
// running to the end of the text.
constexpr size_t kRecordFields = 19;
constexpr size_t kNameField = 18;  // from 0
constexpr size_t kPowerField = 17;

// The first `count` - 1 fields up to their commas, the last one to the end;
// fields missing at the end are empty.
std::vector<std::string> RecordFields(std::string_view text, size_t count) {
    std::vector<std::string> fields;
    while (fields.size() + 1 < count) {
        const size_t comma = text.find(',');
        fields.emplace_back(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    fields.emplace_back(text);
    return fields;
}

std::vector<std::string> Slice(const std::vector<std::string>& fields, size_t first, size_t count) {
    return {fields.begin() + static_cast<std::ptrdiff_t>(first),
            fields.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

bool AllEmpty(const std::vector<std::string>& values) {
    return std::all_of(values.begin(), values.end(),
                       [](const std::string& v) { return v.empty(); });
}

TStoredEntry EntryOfRecord(std::string_view record) {
    const std::vector<std::string> fields = RecordFields(record, kRecordFields);
    // Without a receive frequency there is nothing to keep.
    if (fields[1].empty()) return {};
    return {Slice(fields, 1, kEntryValues), fields[kNameField]};
}

std::string RecordOfEntry(const TStoredEntry& entry, int index, TFamily family) {
    if (!entry.Stored()) return {};
    // The label of a record is the channel field that names it.
    return ChannelFieldOf(index, family) + ',' + JoinValues(entry.Values) + ",," + entry.Name;
}

std::string CallRecordOf(const TRadioMemory& memory) {
    if (AllEmpty(memory.Call)) return {};
    return "0," + JoinValues(memory.Call) + ",,,";
}

std::string VfoRecordOf(const TRadioMemory& memory) {
    if (AllEmpty(memory.Vfo) && memory.Power.empty()) return {};
    return "0," + JoinValues(memory.Vfo) + ",,,," + memory.Power + ',';
}

}  // namespace

int TRadioMemory::HighestChannel() const {
    const std::string& count = Menu[kCountMenuSlot];
    int number = 0;
    for (size_t i = 0; i < count.size() && count[i] >= '0' && count[i] <= '9'; ++i) {
        number = number * 10 + (count[i] - '0');
    }
    return number;
}

TRadioMemory MemoryOfData(const TRadioData& data) {
    TRadioMemory memory;
    memory.Model = data.GetModel();
    memory.MarketCode = data.GetMarketCode();
    memory.BandLimit = data.GetBandLimit();
    memory.Family = FamilyOfModel(memory.Model);
    for (int index = 0; index < kEntryCount; ++index) {
        memory.Entries[static_cast<size_t>(index)] = EntryOfRecord(data.GetChannel(index));
    }
    memory.Call = Slice(RecordFields(data.GetCall(), kRecordFields), 1, kCallValues);
    const std::vector<std::string> vfo = RecordFields(data.GetVfo(), kRecordFields);
    memory.Vfo = Slice(vfo, 1, kVfoValues);
    memory.Power = vfo[kPowerField];
    const std::vector<std::string> limits = RecordFields(data.GetProgramVfo(), 2);
    memory.LowerLimit = limits[0];
    memory.UpperLimit = limits[1];
    for (int entry = 0; entry < kDtmfMemories; ++entry) {
        memory.Dtmf[static_cast<size_t>(entry)] = RecordFields(data.GetDtmf(entry), 2)[1];
    }
    for (int slot = 1; slot <= kMenuSlots; ++slot) {
        memory.Menu[static_cast<size_t>(slot)] = data.GetMenuSlot(slot);
    }
    return memory;
}

void ShowMemoryIn(const TRadioMemory& memory, TRadioData& data) {
    data.SetModel(memory.Model);
    data.SetMarketCode(memory.MarketCode);
    data.SetBandLimit(memory.BandLimit);
    for (int index = 0; index < kEntryCount; ++index) {
        data.SetChannel(
            index, RecordOfEntry(memory.Entries[static_cast<size_t>(index)], index, memory.Family));
    }
    data.SetCall(CallRecordOf(memory));
    data.SetVfo(VfoRecordOf(memory));
    const bool hasLimits = !memory.LowerLimit.empty() || !memory.UpperLimit.empty();
    data.SetProgramVfo(hasLimits ? memory.LowerLimit + ',' + memory.UpperLimit : "");
    for (int entry = 0; entry < kDtmfMemories; ++entry) {
        const std::string& code = memory.Dtmf[static_cast<size_t>(entry)];
        data.SetDtmf(entry, code.empty() ? "" : std::to_string(entry) + ',' + code);
    }
    for (int slot = 1; slot <= kMenuSlots; ++slot) {
        data.SetMenuSlot(slot, memory.Menu[static_cast<size_t>(slot)]);
    }
}
