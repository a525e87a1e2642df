#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/radio/exchangebase.h"

class TRadioData;

// Writing the data set to the transceiver: after identifying it, one command
// per record, each sent when the previous one was answered. The data set is
// only read.
class TWriteExchange : public TExchangeBase {
public:
    TWriteExchange(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                   bool toneBurstShown);

    void Start() override;
    void Reply(const std::string& bytes) override;
    void Cancel() override;
    std::chrono::milliseconds CommandDelay() const override;

    // The record commands the transceiver refused, as sent.
    const std::vector<std::string>& RefusedCommands() const { return Refused; }
    // The record commands whose replies confirmed nothing, as sent.
    const std::vector<std::string>& UnconfirmedCommands() const { return Unconfirmed; }

private:
    void End(TExchangeOutcome outcome) override;
    void CancelGraceOver() override;
    bool ReachedRecords() const override { return Writing; }
    std::optional<TExchangeKind> AdvisedKind() const override { return TExchangeKind::Write; }
    bool AsksOnly() const;
    void SendNextEntry();
    void SendSlotCommandAfter(const TSlotCommand* previous);
    void Finish(TExchangeOutcome outcome);
    void Act(const std::string& reply);
    void ActOnIdentity(const std::string& reply);
    void ActOnMarketCode(const std::string& reply);
    void EndBeforeWriting(TExchangeOutcome outcome);
    void ActOnEntry();
    void ActOnRecord();
    void NoteReply(const std::string& reply);
    int ProgressMaximum() const;
    bool VoxHeld() const;

    const TRadioData& Data;
    TTransferScope Scope;
    bool ToneBurstShown;
    int Counter = 0;
    bool EntryCleared = false;
    bool Cancelling = false;
    bool Writing = false;  // commands that change the transceiver have gone out
    // How the write ends once the VOX setting is given back, when it ends before writing.
    std::optional<TExchangeOutcome> EndingEarly;
    std::string StoppedAt;  // the command under way when Cancel was pressed
    std::vector<std::string> Refused;
    std::vector<std::string> Unconfirmed;
};
