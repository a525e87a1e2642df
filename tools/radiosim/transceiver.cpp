#include "radiosim/transceiver.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::string_view kProgramCommand = "PROGRAM";
constexpr std::string_view kEndCommand = "END";
// A DTMF memory holds up to 16 keys.
constexpr size_t kLongestDtmfCode = 16;

std::optional<std::string> Refused() {
    return std::string(kRefused);
}

bool IsPrintable(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

bool IsOneDigit(std::string_view text) {
    return text.size() == 1 && IsDigits(text);
}

// "d," and the code as it travels: no "*" or "#", they go as "E" and "F".
bool IsDtmfWrite(std::string_view payload) {
    if (payload.size() < 2 || !IsOneDigit(payload.substr(0, 1)) || payload[1] != ',') return false;
    const std::string_view code = payload.substr(2);
    return code.size() <= kLongestDtmfCode && code.find_first_of("*#") == std::string_view::npos;
}

}  // namespace

TTransceiver::TTransceiver(TRadioData data, std::string id, TProtectAnswer protectAnswer)
    : Memory(MemoryOfData(data)),
      View(std::move(data)),
      Id(std::move(id)),
      ProtectAnswer(protectAnswer) {}

const TRadioData& TTransceiver::Data() const {
    ShowMemoryIn(Memory, View);
    return View;
}

std::optional<std::string> TTransceiver::Handle(std::string_view command) {
    if (command.empty() || !IsPrintable(command)) return Refused();
    if (command == kProgramCommand || command == kEndCommand) {
        ProgramMode = command == kProgramCommand;
        return std::string(command);
    }
    if (command.size() < 2 || (command.size() > 2 && command[2] != ' ')) return Refused();
    const THandler handler = HandlerOf(command.substr(0, 2));
    if (handler == nullptr) return Refused();
    const TRequest request{command, command.size() > 3 ? command.substr(3) : std::string_view(),
                           command.size() > 2};
    return (this->*handler)(request);
}

TTransceiver::THandler TTransceiver::HandlerOf(std::string_view mnemonic) {
    static const std::array<std::pair<std::string_view, THandler>, 14> kHandlers = {{
        {"ID", &TTransceiver::Identity},
        {"TY", &TTransceiver::MarketCode},
        {"FL", &TTransceiver::BandLimit},
        {"CQ", &TTransceiver::ChannelCount},
        {"ME", &TTransceiver::MemoryEntry},
        {"MN", &TTransceiver::MemoryName},
        {"CA", &TTransceiver::CallChannel},
        {"VF", &TTransceiver::Vfo},
        {"PC", &TTransceiver::Power},
        {"PV", &TTransceiver::ProgramVfo},
        {"DM", &TTransceiver::Dtmf},
        {"MU", &TTransceiver::Menu},
        {"VM", &TTransceiver::VfoMode},
        {"CP", &TTransceiver::Protection},
    }};
    for (const auto& [name, handler] : kHandlers) {
        if (name == mnemonic) return handler;
    }
    // The commands that carry one menu slot alone.
    if (SlotMnemonicOf(mnemonic) != nullptr) return &TTransceiver::MenuSlot;
    return nullptr;
}

std::optional<std::string> TTransceiver::Identity(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "ID " + Id;
}

std::optional<std::string> TTransceiver::MarketCode(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "TY " + Memory.MarketCode;
}

std::optional<std::string> TTransceiver::BandLimit(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "FL " + Memory.BandLimit;
}

// "CQ 1": the smaller channel count of the family, the one with memory names.
std::optional<std::string> TTransceiver::ChannelCount(const TRequest& request) {
    const TCountChoice counts = CountChoiceOf(Memory.Family);
    std::string& count = Memory.Menu[kCountMenuSlot];
    if (!request.HasPayload) return count == counts.Smaller ? "CQ 1" : "CQ 0";
    if (request.Payload != "0" && request.Payload != "1") return Refused();
    count = request.Payload == "1" ? counts.Smaller : counts.Larger;
    return std::string(request.Text);
}

std::optional<int> TTransceiver::EntryOf(std::string_view channelField) const {
    const std::optional<int> entry = EntryOfChannelField(channelField, Memory.Family);
    // A number names a memory channel of the current count, never a special entry.
    if (entry && *entry<kMemoryChannels&& * entry> Memory.HighestChannel()) return std::nullopt;
    return entry;
}

// "ME ch" reads the entry, "ME ch," clears it and "ME ch,values" stores it;
// the entry keeps its name through both.
std::optional<std::string> TTransceiver::MemoryEntry(const TRequest& request) {
    const size_t comma = request.Payload.find(',');
    const std::string_view field = request.Payload.substr(0, comma);
    const std::optional<int> entry = EntryOf(field);
    if (!entry) return Refused();
    TStoredEntry& stored = Memory.Entries[static_cast<size_t>(*entry)];
    if (comma == std::string_view::npos) {
        if (!stored.Stored()) return "N";
        return "ME " + std::string(field) + ',' + JoinValues(stored.Values);
    }
    const std::string_view text = request.Payload.substr(comma + 1);
    if (text.empty()) {
        stored = {};
    } else if (std::vector<std::string> values = SplitValues(text);
               IsRecordValues(values, kEntryValues)) {
        stored.Values = std::move(values);
    } else {
        return Refused();
    }
    return std::string(request.Text);
}

// An empty entry has nowhere to keep a name; the write is taken and forgotten.
std::optional<std::string> TTransceiver::MemoryName(const TRequest& request) {
    const size_t comma = request.Payload.find(',');
    const std::string_view field = request.Payload.substr(0, comma);
    const std::optional<int> entry = EntryOf(field);
    if (!entry) return Refused();
    TStoredEntry& stored = Memory.Entries[static_cast<size_t>(*entry)];
    if (comma == std::string_view::npos) return "MN " + std::string(field) + ',' + stored.Name;
    if (stored.Stored()) stored.Name = request.Payload.substr(comma + 1);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::CallChannel(const TRequest& request) {
    if (!request.HasPayload) return "CA " + JoinValues(Memory.Call);
    std::vector<std::string> values = SplitValues(request.Payload);
    if (!IsRecordValues(values, kCallValues)) return Refused();
    Memory.Call = std::move(values);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Vfo(const TRequest& request) {
    if (!request.HasPayload) return "VF " + JoinValues(Memory.Vfo);
    std::vector<std::string> values = SplitValues(request.Payload);
    if (!IsRecordValues(values, kVfoValues)) return Refused();
    Memory.Vfo = std::move(values);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Power(const TRequest& request) {
    if (!request.HasPayload) return "PC " + Memory.Power;
    if (!IsOneDigit(request.Payload)) return Refused();
    Memory.Power = request.Payload;
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::ProgramVfo(const TRequest& request) {
    if (!request.HasPayload) return "PV " + Memory.LowerLimit + ',' + Memory.UpperLimit;
    const std::vector<std::string> limits = SplitValues(request.Payload);
    if (limits.size() != 2 || !IsDigits(limits[0]) || !IsDigits(limits[1])) return Refused();
    Memory.LowerLimit = limits[0];
    Memory.UpperLimit = limits[1];
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Dtmf(const TRequest& request) {
    const std::string_view payload = request.Payload;
    if (IsOneDigit(payload)) {
        const std::string& code = Memory.Dtmf[static_cast<size_t>(payload[0] - '0')];
        return "DM " + std::string(payload) + ',' + DtmfCodeOnWire(code);
    }
    if (!IsDtmfWrite(payload)) return Refused();
    Memory.Dtmf[static_cast<size_t>(payload[0] - '0')] = DtmfCodeOffWire(payload.substr(2));
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Menu(const TRequest& request) {
    if (!request.HasPayload) return "MU " + MenuText(Memory.Menu, Memory.Family);
    if (!StoreMenuText(request.Payload, Memory.Family, Memory.Menu)) return Refused();
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::MenuSlot(const TRequest& request) {
    const TSlotMnemonic* command = SlotMnemonicOf(request.Text.substr(0, 2));
    if (command == nullptr) return Refused();
    std::string& slot = Memory.Menu[static_cast<size_t>(command->Slot)];
    if (!request.HasPayload) return std::string(command->Mnemonic) + ' ' + slot;
    const std::string_view value = request.Payload;
    if (value.size() > command->Width || (command->DigitsOnly && !IsDigits(value))) {
        return Refused();
    }
    slot = value;
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::VfoMode(const TRequest& request) {
    if (!IsOneDigit(request.Payload)) return Refused();
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Protection(const TRequest& request) {
    if (ProtectAnswer == TProtectAnswer::InProgramMode && !ProgramMode) return std::nullopt;
    if (!request.HasPayload) return Protected ? "CP 1" : "CP 0";
    if (request.Payload != "0" && request.Payload != "1") return Refused();
    Protected = request.Payload == "1";
    return std::string(request.Text);
}
