#pragma once

#include <QtGlobal>
#include <memory>
#include <string>
#include <vector>

#include "core/files/datacompare.h"
#include "core/model/radiodata.h"
#include "core/radio/exchange.h"
#include "core/radio/readexchange.h"
#include "core/radio/writeexchange.h"

// A write followed by a read of the same scope into a copy of the data set,
// on the same open port, and a comparison of the two: the write counts as
// done only when the transceiver gives back what was written. The write and
// the read run unchanged; this class stands between them and the host.
class TVerifiedWrite : public TExchange, private TExchangeHost {
public:
    TVerifiedWrite(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                   bool toneBurstShown);

    void Start() override;
    void Reply(const std::string& bytes) override;
    void TimerFired(TExchangeTimer timer) override;
    void Cancel() override;
    void SendFailed(const std::string& message) override;
    std::chrono::milliseconds CommandDelay() const override;

    const TWriteExchange& Write() const { return WriteStep; }
    // What the read-back found different, once it has ended.
    const std::vector<TDataDifference>& Differences() const { return Found; }
    const TRadioData& ReadBack() const { return ReadBackData; }

private:
    TExchange& Current();
    void WriteFinished(TExchangeOutcome outcome);
    void ReadFinished(TExchangeOutcome outcome);
    const char* VerifyStoppedMessage() const;

    // TExchangeHost, as the write and the read see it.
    void SendCommand(const std::string& command, std::chrono::milliseconds delay) override;
    void DiscardInput() override;
    void StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) override;
    void StopTimer(TExchangeTimer timer) override;
    void ClosePort() override;
    void SetProgressMaximum(int maximum) override;
    void SetProgress(int position) override;
    void ShowError(const std::string& message) override;
    void ShowWarning(const std::string& message) override;
    bool AskToContinue(const std::string& question) override;
    void ModelChanged() override {}
    void Identified() override;
    void Finish(TExchangeOutcome outcome) override;

    const TRadioData& Data;
    TExchangeHost& Host;
    TTransferScope Scope;
    bool ToneBurstShown;
    TRadioData ReadBackData;
    TWriteExchange WriteStep;
    std::unique_ptr<TReadExchange> ReadStep;
    TExchangeOutcome WriteOutcome = TExchangeOutcome::Done;
    bool ClosePending = false;
    bool Cancelled = false;
    std::vector<TDataDifference> Found;
};

// What of a data set travels to the transceiver in a write of `scope`, and so
// what a read-back can be compared on.
TComparedParts ExchangedParts(const TRadioData& data, TTransferScope scope, bool toneBurstShown);
// The differences that matter after a write: those in what was exchanged.
std::vector<TDataDifference> VerifyDifferences(const TRadioData& written,
                                               const TRadioData& readBack, TTransferScope scope,
                                               bool toneBurstShown);
// The summary over the list of differences.
std::string VerifyFailedMessage(size_t differences);
inline constexpr char kVerifiedMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "The data read back from the transceiver matches the data written.");
