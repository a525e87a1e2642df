#pragma once

#include <optional>
#include <string>

#include "core/radio/exchangebase.h"

class TRadioData;

// Reading the transceiver into the data set: one request at a time, each
// reply stored at once, so whatever arrived stays when the exchange ends early.
class TReadExchange : public TExchangeBase {
public:
    // `toneBurstShown`: the window shows the 1750 Hz tone setting, so it is read too.
    TReadExchange(TRadioData& data, TExchangeHost& host, TTransferScope scope, bool toneBurstShown);

    void Start() override;
    void Reply(const std::string& bytes) override;
    void Cancel() override;
    std::chrono::milliseconds CommandDelay() const override;

    // Whether an exchange that ends early says how far the read came (on by
    // default; a read-back after a write says it its own way).
    void SetReportsIncomplete(bool reports) { ReportsIncomplete = reports; }

private:
    void End(TExchangeOutcome outcome) override;
    void CancelGraceOver() override;
    bool ReachedRecords() const override { return RecordsTouched; }
    std::optional<TExchangeKind> AdvisedKind() const override;
    bool Fits(const std::string& raw) const;
    void SendNextEntry();
    void SendSlotCommandAfter(const TSlotCommand* previous);
    void FinishMemoryRead();
    void Finish(TExchangeOutcome outcome);
    size_t PayloadStart() const;
    bool EchoFits(const std::string& raw) const;
    bool NamesExchanged() const;
    void Act(const std::string& payload);
    void ActOnIdentity(const std::string& payload);
    void ActOnMarketCode(const std::string& payload);
    void ActOnEntry(const std::string& payload);
    void ActOnMenu(const std::string& payload);
    void StoreEntry(const std::string& namePayload);
    int ProgressMaximum() const;

    TRadioData& Data;
    TTransferScope Scope;
    bool ToneBurstShown;
    int Counter = 0;
    std::string EntryPayload;
    std::optional<char> SavedVox;
    bool Cancelling = false;
    bool CancelRequested = false;
    bool ReportsIncomplete = true;
    bool RecordsTouched = false;  // the records of the scope were cleared for the read
};
