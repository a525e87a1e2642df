#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/radiodata.h"
#include "radiosim/radiomemory.h"

// When the transceiver answers the channel display protection command "CP":
// at any time, or only between "PROGRAM" and "END" (silent outside).
enum class TProtectAnswer { Always, InProgramMode };

// The transceiver's side of the command set. Takes one command text (its
// carriage return already dropped) and gives the reply text without its
// carriage return, or nothing when the transceiver keeps silent. Holds the
// memory that the commands read and write, and reads and writes the command
// texts itself; does no input or output.
class TTransceiver {
public:
    TTransceiver(TRadioData data, std::string id,
                 TProtectAnswer protectAnswer = TProtectAnswer::Always);

    std::optional<std::string> Handle(std::string_view command);

    // The memory as a data set, records in the data files' layout. Starts as
    // the data set given; refreshed at each call.
    const TRadioData& Data() const;
    bool InProgramMode() const { return ProgramMode; }
    bool DisplayProtected() const { return Protected; }

private:
    struct TRequest {
        std::string_view Text;     // the whole command
        std::string_view Payload;  // after the mnemonic and its blank
        bool HasPayload;
    };
    using THandler = std::optional<std::string> (TTransceiver::*)(const TRequest&);

    static THandler HandlerOf(std::string_view mnemonic);

    std::optional<std::string> Identity(const TRequest& request);
    std::optional<std::string> MarketCode(const TRequest& request);
    std::optional<std::string> BandLimit(const TRequest& request);
    std::optional<std::string> ChannelCount(const TRequest& request);
    std::optional<std::string> MemoryEntry(const TRequest& request);
    std::optional<std::string> MemoryName(const TRequest& request);
    std::optional<std::string> CallChannel(const TRequest& request);
    std::optional<std::string> Vfo(const TRequest& request);
    std::optional<std::string> Power(const TRequest& request);
    std::optional<std::string> ProgramVfo(const TRequest& request);
    std::optional<std::string> Dtmf(const TRequest& request);
    std::optional<std::string> Menu(const TRequest& request);
    std::optional<std::string> MenuSlot(const TRequest& request);
    std::optional<std::string> VfoMode(const TRequest& request);
    std::optional<std::string> Protection(const TRequest& request);

    // The entry a channel field names, when this radio has it.
    std::optional<int> EntryOf(std::string_view channelField) const;

    TRadioMemory Memory;
    mutable TRadioData View;
    std::string Id;
    TProtectAnswer ProtectAnswer;
    bool ProgramMode = false;
    bool Protected = false;
};

// The reply that refuses a command.
inline constexpr std::string_view kRefused = "?";
