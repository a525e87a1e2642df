#include "radiosim/transceiver.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/model/channelrecord.h"
#include "core/radio/radiocommands.h"

namespace {

// Values each write carries: fields 2..17 of a memory entry, 2..16 of CALL, 2..14 of the VFO.
constexpr int kMemoryFieldCount = kLockoutField - kRxFreqField + 1;
constexpr int kCallFieldCount = kTxStepField - kRxFreqField + 1;
constexpr int kVfoFieldCount = kBeatShiftField - kRxFreqField + 1;
constexpr size_t kLongestDtmfCode = TRadioData::kDtmfCapacity - 3;  // "d," and the NUL

std::optional<std::string> Refused() {
    return std::string(kRefused);
}

bool IsPrintable(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsOneDigit(std::string_view text) {
    return text.size() == 1 && IsDigits(text);
}

int FieldCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), ',')) + 1;
}

std::string_view FirstField(std::string_view text) {
    return text.substr(0, text.find(','));
}

// A record write: the right number of values and a receive frequency.
bool IsRecordWrite(std::string_view payload, int fieldCount) {
    return FieldCount(payload) == fieldCount && IsDigits(FirstField(payload));
}

// The menu values in the fixed positions of the model's layout.
bool HasMenuShape(std::string_view payload, std::string_view layout) {
    if (payload.size() != layout.size()) return false;
    for (size_t position = 0; position < payload.size(); ++position) {
        if ((payload[position] == ',') != (layout[position] == ',')) return false;
    }
    return true;
}

// "d," and the code; "*" and "#" cannot travel, they go as "E" and "F".
bool IsDtmfWrite(std::string_view payload) {
    if (payload.size() < 2 || !IsOneDigit(payload.substr(0, 1)) || payload[1] != ',') return false;
    const std::string_view code = payload.substr(2);
    return code.size() <= kLongestDtmfCode && code.find_first_of("*#") == std::string_view::npos;
}

bool HasFrequency(std::string_view record) {
    return !ExtractField(record, kRxFreqField, false).empty();
}

}  // namespace

TTransceiver::TTransceiver(TRadioData data, std::string id, TProtectAnswer protectAnswer)
    : Memory(std::move(data)), Id(std::move(id)), ProtectAnswer(protectAnswer) {}

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
    if (SlotCommandOf(mnemonic) != nullptr) return &TTransceiver::MenuSlot;
    return nullptr;
}

std::optional<std::string> TTransceiver::Identity(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "ID " + Id;
}

std::optional<std::string> TTransceiver::MarketCode(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "TY " + Memory.GetMarketCode();
}

std::optional<std::string> TTransceiver::BandLimit(const TRequest& request) {
    if (request.HasPayload) return Refused();
    return "FL " + Memory.GetBandLimit();
}

std::optional<std::string> TTransceiver::ChannelCount(const TRequest& request) {
    if (!request.HasPayload) return BuildChannelCountWrite(Memory);
    if (request.Payload != "0" && request.Payload != "1") return Refused();
    StoreChannelCount(Memory, request.Payload);
    return std::string(request.Text);
}

int TTransceiver::RecordOf(std::string_view channelField) const {
    const int record = RecordOfChannelField(channelField, Memory.IsMobile());
    if (record < 0) return -1;
    // A number names a memory channel of the current count, never a special entry.
    if (IsDigits(channelField)) return record <= Memory.ChannelCount() ? record : -1;
    return record;
}

std::optional<std::string> TTransceiver::MemoryEntry(const TRequest& request) {
    const size_t comma = request.Payload.find(',');
    const std::string_view field = request.Payload.substr(0, comma);
    const int record = RecordOf(field);
    if (record < 0) return Refused();
    const std::string& stored = Memory.GetChannel(record);
    if (comma == std::string_view::npos) {
        return HasFrequency(stored) ? MemoryEntryText(stored, field) : "N";
    }
    const std::string_view values = request.Payload.substr(comma + 1);
    if (values.empty()) {
        Memory.SetChannel(record, "");
    } else if (IsRecordWrite(values, kMemoryFieldCount)) {
        StoreMemory(record, field, request.Payload);
    } else {
        return Refused();
    }
    return std::string(request.Text);
}

// The entry keeps the name it had; the label is the channel field as sent.
void TTransceiver::StoreMemory(int record, std::string_view channelField, std::string_view fields) {
    const std::string name = RecordField(Memory.GetChannel(record), kNameField);
    Memory.SetChannel(record, MemoryRecord(fields, name, channelField));
}

std::optional<std::string> TTransceiver::MemoryName(const TRequest& request) {
    const size_t comma = request.Payload.find(',');
    const std::string_view field = request.Payload.substr(0, comma);
    const int record = RecordOf(field);
    if (record < 0) return Refused();
    if (comma == std::string_view::npos) return NameEntryText(Memory.GetChannel(record), field);
    StoreName(record, field, request.Payload.substr(comma + 1));
    return std::string(request.Text);
}

// An empty entry has nowhere to keep a name; the write is taken and forgotten.
void TTransceiver::StoreName(int record, std::string_view channelField, std::string_view name) {
    const std::string& stored = Memory.GetChannel(record);
    if (HasFrequency(stored)) Memory.SetChannel(record, MemoryRecord(stored, name, channelField));
}

std::optional<std::string> TTransceiver::CallChannel(const TRequest& request) {
    if (!request.HasPayload) return BuildCallWrite(Memory);
    if (!IsRecordWrite(request.Payload, kCallFieldCount)) return Refused();
    Memory.SetCall(CallRecord(request.Payload));
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Vfo(const TRequest& request) {
    if (!request.HasPayload) return BuildVfoWrite(Memory);
    if (!IsRecordWrite(request.Payload, kVfoFieldCount)) return Refused();
    const std::string power = ExtractField(Memory.GetVfo(), kVfoPowerField, false);
    Memory.SetVfo(VfoRecord(request.Payload, power));
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Power(const TRequest& request) {
    if (!request.HasPayload) return BuildPowerWrite(Memory);
    if (!IsOneDigit(request.Payload)) return Refused();
    Memory.SetVfo(VfoRecord(ReplyPayload(BuildVfoWrite(Memory)), request.Payload));
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::ProgramVfo(const TRequest& request) {
    if (!request.HasPayload) return BuildProgramVfoWrite(Memory);
    const size_t comma = request.Payload.find(',');
    const bool isPair = FieldCount(request.Payload) == 2 &&
                        IsDigits(request.Payload.substr(0, comma)) &&
                        IsDigits(request.Payload.substr(comma + 1));
    if (!isPair) return Refused();
    Memory.SetProgramVfo(request.Payload);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Dtmf(const TRequest& request) {
    const std::string_view payload = request.Payload;
    if (IsOneDigit(payload)) return BuildDtmfWrite(Memory, payload[0] - '0');
    if (!IsDtmfWrite(payload)) return Refused();
    const int entry = payload[0] - '0';
    Memory.SetDtmf(entry, DtmfEntry(entry, payload));
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Menu(const TRequest& request) {
    const std::string layout = MenuValuesText(Memory);
    if (!request.HasPayload) return "MU " + layout;
    if (!HasMenuShape(request.Payload, layout)) return Refused();
    StoreMenuValues(Memory, request.Payload);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::MenuSlot(const TRequest& request) {
    const TSlotCommand* command = SlotCommandOf(request.Text.substr(0, 2));
    if (command == nullptr) return Refused();
    if (!request.HasPayload) return BuildSlotWrite(Memory, *command);
    const std::string_view value = request.Payload;
    const bool fits =
        value.size() < static_cast<size_t>(TRadioData::MenuSlotCapacity(command->Slot));
    if (!fits || (command->DigitsOnly && !IsDigits(value))) return Refused();
    Memory.SetMenuSlot(command->Slot, value);
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::VfoMode(const TRequest& request) {
    if (!IsOneDigit(request.Payload)) return Refused();
    return std::string(request.Text);
}

std::optional<std::string> TTransceiver::Protection(const TRequest& request) {
    if (ProtectAnswer == TProtectAnswer::InProgramMode && !ProgramMode) return std::nullopt;
    if (!request.HasPayload) return BuildProtectWrite(Protected);
    if (request.Payload != "0" && request.Payload != "1") return Refused();
    Protected = IsChannelDisplayProtected(request.Payload);
    return std::string(request.Text);
}
