#pragma once

#include <optional>
#include <string>

#include "core/radio/exchange.h"
#include "core/radio/slotcommands.h"

// What the read and the write share, so that each keeps only its own
// sequence: the request under way and the command that asked it, asking again
// after a reply that does not fit, the start delay, wake-up and "ID" that open
// both, the ends that come to both alike (no reply in time, replies that keep
// failing, a command that could not be sent), the progress bar and the
// "MU" text that holds the VOX off on the models that hold it (the handhelds).
class TExchangeBase : public TExchange {
public:
    // What the exchange awaits the reply to.
    enum class TRequest {
        Start,
        WakeUp,
        Id,
        VoxHold,
        VoxSet,
        ChannelCount,
        MarketCode,
        BandLimit,
        VfoMode,
        Memory,
        Name,
        Call,
        Vfo,
        Power,
        ProgramVfo,
        Dtmf,
        Menu,
        SlotCommand,  // a command that carries one menu slot alone: SlotUnderWay
        VoxRestore,
        Stop,
    };
    TRequest Awaited() const { return Request; }

    void TimerFired(TExchangeTimer timer) override;
    void SendFailed(const std::string& message) override;

protected:
    explicit TExchangeBase(TExchangeHost& host) : Host(host) {}

    // The exchange is over with `outcome`: it says what it must and tells the host.
    virtual void End(TExchangeOutcome outcome) = 0;
    // The grace period after Cancel ran out.
    virtual void CancelGraceOver() = 0;
    // Whether the exchange has come to the records (cleared them for a read,
    // or begun to write them): an end before that says where it stopped.
    virtual bool ReachedRecords() const = 0;
    // Whose advice follows an end on the line's account; none for an exchange
    // that runs inside another, which says it its own way.
    virtual std::optional<TExchangeKind> AdvisedKind() const = 0;

    // The bar at nothing and the start delay running before the wake-up.
    void Open();
    // A new request: its attempts count from the first.
    void Send(TRequest request, const std::string& command);
    // A reply that does not fit its request hears the same request again, but
    // only so often: a line that garbles everything ends the exchange.
    void AskAgain();
    // True when `reply` may be the late answer to an earlier asking of a request
    // that was asked again (a bare "N", "?" or "E", or another request's answer)
    // while such answers are still due: it is let go and the request waits on.
    // Also true, after ending the exchange, when `reply` shows that the replies
    // fell out of step with the requests: a bare reply was taken for a request
    // it did not answer, which no later reply can mend.
    bool LetGoAsLate(const std::string& reply);
    // `reply` is taken as the answer to the request under way.
    void Taken(const std::string& reply);
    // The line failed: the exchange ends at once with `message`.
    void Fail(const std::string& message);
    // Whether the request under way expects an answer of its own; the wake-up
    // and the last reply after Cancel take whatever comes.
    bool AwaitsAnswer() const;
    // The replies to Start and WakeUp: chatter before the wake-up starts the
    // delay again, the wake-up's reply is followed by "ID".
    void ActOnOpening();
    void SetBar(int position);

    // The "MU" text of a model that holds the VOX off, as the transceiver gave
    // it, kept so that its VOX value can be held at "0" and given back.
    void KeepMenuText(const std::string& payload);
    // The VOX value the kept text holds; "0" when it is too short to hold one.
    char KeptVox() const;
    // The "MU" write of the kept text with `vox` as its VOX value.
    std::string MenuWriteWithVox(char vox) const;

    TExchangeHost& Host;
    // A read stores bare answers ("N": an empty channel) as data, so one taken
    // for the wrong request must end it; a write only counts them as unconfirmed.
    bool StoresBareAnswers = false;
    TRequest Request = TRequest::Start;
    const TSlotCommand* SlotUnderWay = nullptr;
    std::string LastCommand;
    std::string MenuText;
    int Progress = 0;
    bool Finished = false;

private:
    void EndWithError(const std::string& message, TExchangeOutcome outcome);
    // `error` as the user is told it when the line failed (`lost`) or nothing
    // answered in time.
    std::string LineStopMessage(const std::string& error, bool lost) const;
    // The request under way as the user knows it.
    std::string StepName() const;
    // The same request once more, within the bound of attempts.
    void SendAgain();

    // The answer to the request before the one under way came as a bare reply,
    // which names no request: the labelled answer to that request arriving
    // after it shows the bare reply belonged to a request before it.
    bool OutOfStep(const std::string& reply) const;

    int Attempts = 0;
    std::string PreviousCommand;
    bool PreviousTakenBare = false;
    bool TakenBare = false;
    // How often the request under way was asked again after a reply that did not fit:
    // each may still bring an answer of its own once the request is answered.
    int ExtraAskings = 0;
    // Answers still due to requests asked more than once and answered already;
    // the request waits for its own answer after letting one of them go.
    int LateAnswersDue = 0;
    bool WaitingPastLateAnswer = false;
};
