#pragma once

#include <string>
#include <vector>

#include "link/exchange.h"

class TRadioData;

// Writing the data set to the transceiver: after identifying it, one command
// per record, each sent when the previous one was answered. The data set is
// only read.
class TWriteExchange : public TExchange {
public:
    TWriteExchange(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                   bool toneBurstShown);

    void Start() override;
    void Reply(const std::string& bytes) override;
    void TimerFired(TExchangeTimer timer) override;
    void Cancel() override;
    std::chrono::milliseconds CommandDelay() const override;

    enum class TRequest {
        Start, WakeUp, Id, VoxHold, VoxSet, MarketCode, ChannelCount, VfoMode,
        Memory, Name, Call, Vfo, ProgramVfo, Power, Dtmf,
        Menu, Message, KeyLock, ToneBurst, Lamp, ProgrammableKey, Brightness, VoxRestore, Stop,
    };
    TRequest Awaited() const { return Request; }
    // The record commands the transceiver refused, as sent.
    const std::vector<std::string>& RefusedCommands() const { return Refused; }

private:
    void Send(TRequest request, const std::string& command);
    void SendNextEntry();
    void SendAfterKeyLock();
    void Finish(TExchangeOutcome outcome);
    void End(TExchangeOutcome outcome);
    void SetBar(int position);
    void Act(const std::string& reply);
    void ActOnIdentity(const std::string& reply);
    void ActOnMarketCode(const std::string& reply);
    void ActOnEntry();
    void ActOnRecord();
    void NoteRefusal(const std::string& reply);
    int ProgressMaximum() const;
    std::string MenuTextWithVox(char value) const;
    bool VoxHeld() const;
    char SavedVox() const;

    const TRadioData& Data;
    TExchangeHost& Host;
    TTransferScope Scope;
    bool ToneBurstShown;
    TRequest Request = TRequest::Start;
    std::string LastCommand;
    int Counter = 0;
    int Progress = 0;
    bool EntryCleared = false;
    std::string MenuText;
    bool Cancelling = false;
    bool Finished = false;
    std::vector<std::string> Refused;
};

// The warning after a write that the transceiver did not take whole.
std::string RefusedRecordsMessage(const std::vector<std::string>& refusedCommands);
