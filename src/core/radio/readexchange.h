#pragma once

#include <optional>
#include <string>

#include "core/radio/exchange.h"

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
    void SendFailed(const std::string& message) override;
    std::chrono::milliseconds CommandDelay() const override;

    // Whether an exchange that ends early says how far the read came (on by
    // default; a read-back after a write says it its own way).
    void SetReportsIncomplete(bool reports) { ReportsIncomplete = reports; }

    enum class TRequest {
        Start,
        WakeUp,
        Id,
        VoxHold,
        VoxSet,
        ChannelCount,
        MarketCode,
        BandLimit,
        Memory,
        Name,
        Call,
        Vfo,
        Power,
        ProgramVfo,
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

private:
    void Send(TRequest request, const std::string& command);
    void AskAgain();
    void Fail(const std::string& message);
    bool AwaitsAnswer() const;
    bool Fits(const std::string& raw) const;
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
    bool ReportsIncomplete = true;
    bool RecordsTouched = false;  // the records of the scope were cleared for the read
    int Attempts = 0;
};
