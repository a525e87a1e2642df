#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/clioptions.h"
#include "core/radio/exchangerunner.h"

// The arguments of `read` and `write`: PORT FILE and the command's own options.
struct TExchangeArguments {
    QString Port;
    QString File;
    TTransferScope Scope = TTransferScope::All;
    bool Yes = false;
    bool Verify = false;  // read back what was written and compare it
};

// Parses PORT FILE [--scope all|memory|menu] and, for a write, [--yes] [--verify].
// On a usage error returns nothing after saying so.
std::optional<TExchangeArguments> ParseExchangeArguments(const TCliOptions& options, bool writing,
                                                         QTextStream& errors);

// An exchange shown on the console: messages on standard error, a progress
// bar there too when it is a terminal, and questions answered OK only when
// the user said so beforehand (--yes). Nobody is asked at the keyboard, so
// the program can run unattended.
class TConsoleView : public TExchangeView {
public:
    TConsoleView(QTextStream& errors, bool answerYes);

    void SetProgressMaximum(int maximum) override;
    void SetProgress(int position) override;
    void ShowError(const std::string& message) override;
    void ShowWarning(const std::string& message) override;
    bool AskToContinue(const std::string& question) override;
    void Verifying() override;
    void Finished(TExchangeOutcome outcome) override;

    // Prints a message ("tavrin-cli: " and the text) on a line of its own; the
    // bar, if any, is redrawn by the next update.
    void Say(const std::string& message);
    // A line that goes on with the message before it, without the prefix.
    void SayDetail(const std::string& line);

    // While held, errors are kept back (opening the port reports its own).
    void HoldErrors(bool hold) { ErrorsHeld = hold; }
    std::optional<TExchangeOutcome> Outcome() const { return Result; }
    // Ctrl+C asked the exchange to stop.
    void NoteInterrupted() { Interrupted = true; }
    // The exit status of the exchange's outcome: 130, after saying "cancelled",
    // when Ctrl+C cancelled it.
    int ExitStatus(TExchangeOutcome outcome);

private:
    bool Interrupted = false;
    void DrawBar();
    void EndBarLine();

    QTextStream& Errors;
    bool AnswerYes;
    bool ShowBar;
    bool ErrorsHeld = false;
    bool BarOnLine = false;
    int Maximum = 0;
    int Position = 0;
    QString LastBar;
    std::optional<TExchangeOutcome> Result;
};

class QSocketNotifier;
struct sigaction;

// Ctrl+C runs `onInterrupt` on the event loop (in `context`) while the object
// lives; a second Ctrl+C ends the process at once.
class TInterruptWatch {
public:
    TInterruptWatch(QObject& context, std::function<void()> onInterrupt);
    ~TInterruptWatch();
    TInterruptWatch(const TInterruptWatch&) = delete;
    TInterruptWatch& operator=(const TInterruptWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> Notifier;
    std::unique_ptr<struct sigaction> Previous;
    bool Installed = false;
};

// Runs the exchange the runner holds on `port` until it ends, with Ctrl+C as
// its Cancel. The outcome is PortFailed, after the program's message, when
// the port cannot be opened.
TExchangeOutcome RunExchange(TExchangeRunner& runner, TConsoleView& view, const QString& port);

// The exit status of an exchange's outcome.
int ExitStatusOf(TExchangeOutcome outcome);

inline constexpr char kPortUnavailableMessage[] =
    "The selected COM port is unavailable.\nPlease check the COM port status.";
