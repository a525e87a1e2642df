#pragma once

#include <string>
#include <vector>

#include "core/radio/exchange.h"

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
    void SendFailed(const std::string& message) override;
    std::chrono::milliseconds CommandDelay() const override;

    enum class TRequest {
        Start,
        WakeUp,
        Id,
        VoxHold,
        VoxSet,
        MarketCode,
        ChannelCount,
        VfoMode,
        Memory,
        Name,
        Call,
        Vfo,
        ProgramVfo,
        Power,
        Dtmf,
        Menu,
        Message,
        KeyLock,
        ToneBurst,
        Lamp,
        ProgrammableKey,
        Brightness,
        VoxRestore,
        Stop,
    };
    TRequest Awaited() const { return Request; }
    // The record commands the transceiver refused, as sent.
    const std::vector<std::string>& RefusedCommands() const { return Refused; }
    // The record commands whose replies confirmed nothing, as sent.
    const std::vector<std::string>& UnconfirmedCommands() const { return Unconfirmed; }

private:
    void Send(TRequest request, const std::string& command);
    void AskAgain();
    void Fail(const std::string& message);
    bool AwaitsAnswer() const;
    bool AsksOnly() const;
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
    void NoteReply(const std::string& reply);
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
    bool Writing = false;  // commands that change the transceiver have gone out
    int Attempts = 0;
    std::string StoppedAt;  // the command under way when Cancel was pressed
    std::vector<std::string> Refused;
    std::vector<std::string> Unconfirmed;
};
