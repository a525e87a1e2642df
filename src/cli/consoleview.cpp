// The console side of the radio exchanges: arguments, messages, progress and Ctrl+C.
#include "cli/consoleview.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <atomic>

#include "cli/clicommands.h"
#include "cli/clioptions.h"

namespace {

constexpr int kBarWidth = 30;

std::optional<TTransferScope> ScopeOfName(const QString& name) {
    if (name == QLatin1String("all")) return TTransferScope::All;
    if (name == QLatin1String("memory")) return TTransferScope::Memory;
    if (name == QLatin1String("menu")) return TTransferScope::Menu;
    return std::nullopt;
}

// Ctrl+C arrives as a byte on a pipe, so the event loop sees it between two
// steps of the exchange. A second Ctrl+C means "now": the process ends at once.
std::atomic<int> InterruptCount{0};
int InterruptPipe[2] = {-1, -1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnInterrupt(int) {
    if (InterruptCount.fetch_add(1) > 0) {
        _exit(kExitInterrupted);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(InterruptPipe[1], &byte, 1);
}

}  // namespace

TInterruptWatch::TInterruptWatch(QObject& context, std::function<void()> onInterrupt) {
    if (pipe2(InterruptPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    InterruptCount = 0;
    Notifier = std::make_unique<QSocketNotifier>(InterruptPipe[0], QSocketNotifier::Read);
    QObject::connect(Notifier.get(), &QSocketNotifier::activated, &context,
                     [onInterrupt = std::move(onInterrupt)] {
                         char byte;
                         while (read(InterruptPipe[0], &byte, 1) > 0) {
                         }
                         onInterrupt();
                     });
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    Previous = std::make_unique<struct sigaction>();
    sigaction(SIGINT, &action, Previous.get());
    Installed = true;
}

TInterruptWatch::~TInterruptWatch() {
    if (!Installed) return;
    sigaction(SIGINT, Previous.get(), nullptr);
    Notifier.reset();
    close(InterruptPipe[0]);
    close(InterruptPipe[1]);
    InterruptPipe[0] = InterruptPipe[1] = -1;
}

std::optional<TExchangeArguments> ParseExchangeArguments(const TCliOptions& options, bool writing,
                                                         QTextStream& errors) {
    TCommandSyntax syntax{
        options.Command,
        {QStringLiteral("PORT"), writing ? QStringLiteral("IN.tvr") : QStringLiteral("OUT.tvr")},
        0,
        {},
        {QStringLiteral("--scope")}};
    if (writing) syntax.Flags = {QStringLiteral("--yes"), QStringLiteral("--verify")};
    const std::optional<TCommandArguments> given = CommandArguments(options, syntax, errors);
    if (!given) return std::nullopt;
    TExchangeArguments parsed;
    parsed.Port = given->Operands[0];
    parsed.File = given->Operands[1];
    parsed.Yes = given->Has(QStringLiteral("--yes"));
    parsed.Verify = given->Has(QStringLiteral("--verify"));
    const QString scope = given->Value(QStringLiteral("--scope")).value_or(QStringLiteral("all"));
    const std::optional<TTransferScope> named = ScopeOfName(scope);
    if (!named) {
        UsageError(errors,
                   QStringLiteral("%1: --scope must be all, memory or menu, not '%2'")
                       .arg(options.Command, scope),
                   options.Command);
        return std::nullopt;
    }
    parsed.Scope = *named;
    return parsed;
}

TConsoleView::TConsoleView(QTextStream& errors, bool answerYes)
    : Errors(errors), AnswerYes(answerYes), ShowBar(isatty(STDERR_FILENO) == 1) {}

void TConsoleView::SetProgressMaximum(int maximum) {
    Maximum = maximum;
    DrawBar();
}

void TConsoleView::SetProgress(int position) {
    Position = position;
    DrawBar();
}

void TConsoleView::DrawBar() {
    if (!ShowBar || Maximum <= 0) return;
    const int shown = std::clamp(Position, 0, Maximum);
    const int filled = shown * kBarWidth / Maximum;
    const QString bar =
        QStringLiteral("\r[%1%2] %3/%4")
            .arg(QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char(' ')))
            .arg(shown)
            .arg(Maximum);
    if (bar == LastBar && BarOnLine) return;
    LastBar = bar;
    BarOnLine = true;
    Errors << bar;
    Errors.flush();
}

void TConsoleView::EndBarLine() {
    if (!BarOnLine) return;
    Errors << "\n";
    BarOnLine = false;
}

void TConsoleView::Say(const std::string& message) {
    SayDetail("tavrin-cli: " + message);
}

void TConsoleView::SayDetail(const std::string& message) {
    EndBarLine();
    Errors << QString::fromStdString(message) << "\n";
    Errors.flush();
}

void TConsoleView::ShowError(const std::string& message) {
    if (!ErrorsHeld) Say(message);
}

void TConsoleView::ShowWarning(const std::string& message) {
    Say(message);
}

// The read-back fills the bar once more from the start.
void TConsoleView::Verifying() {
    EndBarLine();
    Position = 0;
}

bool TConsoleView::AskToContinue(const std::string& question) {
    Say(question);
    return AnswerYes;
}

void TConsoleView::Finished(TExchangeOutcome outcome) {
    EndBarLine();
    Errors.flush();
    Result = outcome;
    QCoreApplication::exit(0);
}

TExchangeOutcome RunExchange(TExchangeRunner& runner, TConsoleView& view, const QString& port) {
    TInterruptWatch interrupts(runner, [&runner, &view] {
        view.NoteInterrupted();
        runner.Cancel();
    });
    view.HoldErrors(true);
    const bool opened = runner.Begin(port.toStdString());
    view.HoldErrors(false);
    if (!opened) {
        view.Say(kPortUnavailableMessage);
        return TExchangeOutcome::PortFailed;
    }
    if (!view.Outcome()) QCoreApplication::exec();
    return view.Outcome().value_or(TExchangeOutcome::Cancelled);
}

int ExitStatusOf(TExchangeOutcome outcome) {
    return outcome == TExchangeOutcome::Done ? kExitDone : kExitFailed;
}

int TConsoleView::ExitStatus(TExchangeOutcome outcome) {
    if (!Interrupted || outcome != TExchangeOutcome::Cancelled) return ExitStatusOf(outcome);
    Say("cancelled");
    return kExitInterrupted;
}
