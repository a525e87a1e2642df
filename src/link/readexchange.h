#pragma once

#include <optional>
#include <string>

#include "link/exchange.h"

class TRadioData;

// Reading the transceiver into the data set: one request at a time, each
// reply stored at once, so whatever arrived stays when the exchange ends early.
class TReadExchange : public TExchange {
public:
    // `toneBurstShown`: the window shows the 1750 Hz tone setting, so it is read too.
    TReadExchange(TRadioData& data, TExchangeHost& host, TTransferScope scope, bool toneBurstShown);

    void Start() override;
    void Reply(const std::string& bytes) override;
    void TimerFired(TExchangeTimer timer) override;
    void Cancel() override;
    std::chrono::milliseconds CommandDelay() const override;

    enum class TRequest {
        Start, WakeUp, Id, VoxHold, VoxSet, ChannelCount, MarketCode, BandLimit,
        Memory, Name, Call, Vfo, Power, ProgramVfo, Dtmf,
        Menu, Message, KeyLock, ToneBurst, Lamp, ProgrammableKey, Brightness, VoxRestore, Stop,
    };
    TRequest Awaited() const { return Request; }

private:
    void Send(TRequest request, const std::string& command);
    void SendNextEntry();
    void SendAfterKeyLock();
    void FinishMemoryRead();
    void Finish(TExchangeOutcome outcome);
    void End(TExchangeOutcome outcome);
    void SetBar(int position);
    size_t PayloadStart() const;
    bool EchoFits(const std::string& raw) const;
    bool IsMobile() const;
    bool NamesExchanged() const;
    void Act(const std::string& payload);
    void ActOnIdentity(const std::string& payload);
    void ActOnMarketCode(const std::string& payload);
    void ActOnEntry(const std::string& payload);
    void ActOnMenu(const std::string& payload);
    void StoreEntry(const std::string& namePayload);
    int ProgressMaximum() const;
    std::string MenuTextWithVox(char value) const;

    TRadioData& Data;
    TExchangeHost& Host;
    TTransferScope Scope;
    bool ToneBurstShown;
    TRequest Request = TRequest::Start;
    std::string LastCommand;
    int Counter = 0;
    int Progress = 0;
    std::string EntryPayload;
    std::string MenuText;
    std::optional<char> SavedVox;
    bool Cancelling = false;
    bool CancelRequested = false;
    bool Finished = false;
};
