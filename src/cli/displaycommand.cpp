// `display PORT [--protect on|off]`: the channel display protection on the console.
#include <QCoreApplication>
#include <functional>
#include <optional>

#include "cli/clicommands.h"
#include "cli/consoleview.h"
#include "core/model/radiodata.h"
#include "core/radio/displayrunner.h"

namespace {

struct TDisplayArguments {
    QString Port;
    std::optional<bool> Protect;  // nothing: only ask
};

std::optional<TDisplayArguments> ParseDisplayArguments(const TCliOptions& options,
                                                       QTextStream& errors) {
    const std::optional<TCommandArguments> given =
        CommandArguments(options,
                         TCommandSyntax{QStringLiteral("display"),
                                        {QStringLiteral("PORT")},
                                        0,
                                        {},
                                        {QStringLiteral("--protect")}},
                         errors);
    if (!given) return std::nullopt;
    TDisplayArguments parsed{given->Operands[0], {}};
    if (const std::optional<QString> protect = given->Value(QStringLiteral("--protect"))) {
        if (*protect != QLatin1String("on") && *protect != QLatin1String("off")) {
            UsageError(
                errors,
                QStringLiteral("display: --protect must be on or off, not '%1'").arg(*protect),
                QStringLiteral("display"));
            return std::nullopt;
        }
        parsed.Protect = *protect == QLatin1String("on");
    }
    return parsed;
}

// The flow shown on the console: messages on standard error, the
// protection kept for the caller.
class TConsoleDisplay : public TDisplayView {
public:
    explicit TConsoleDisplay(QTextStream& errors) : Errors(errors) {}

    void ShowProtection(bool isProtected) override { Protected = isProtected; }
    void ShowError(const std::string& message) override {
        if (!ErrorsHeld) SayMessage(Errors, QString::fromStdString(message));
    }
    void FlowEnded(TDisplayOutcome outcome) override {
        Result = outcome;
        QCoreApplication::exit(0);
    }

    bool ErrorsHeld = false;
    bool Protected = false;
    std::optional<TDisplayOutcome> Result;

private:
    QTextStream& Errors;
};

// Runs one flow to its end; nothing when the port could not be opened or
// Ctrl+C stopped it.
std::optional<TDisplayOutcome> RunFlow(TDisplayRunner& runner, TConsoleDisplay& view,
                                       const std::function<bool()>& start, QTextStream& errors) {
    TInterruptWatch interrupts(runner, [&runner] {
        runner.Stop();
        QCoreApplication::exit(0);
    });
    view.Result.reset();
    // Opening tells its own reason; the console says what the window says.
    view.ErrorsHeld = true;
    const bool started = start();
    view.ErrorsHeld = false;
    if (!started) {
        SayMessage(errors, QString::fromLatin1(kPortUnavailableMessage));
        return std::nullopt;
    }
    QCoreApplication::exec();
    return view.Result;
}

}  // namespace

int RunDisplay(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TDisplayArguments> arguments = ParseDisplayArguments(options, errors);
    if (!arguments) return kExitUsage;
    const std::string port = arguments->Port.toStdString();
    TConsoleDisplay view(errors);
    TDisplayRunner runner(view);
    const TExchangeLabel label{TExchangeKind::Display, TTransferScope::All,
                               QString::fromStdString(data.GetModel()), arguments->Port};
    AttachCliLog(options, runner.Port, label, errors);
    if (RunFlow(
            runner, view, [&] { return runner.Query(port); }, errors) != TDisplayOutcome::Queried) {
        return kExitFailed;
    }
    if (!arguments->Protect) {
        return PrintOutput(view.Protected ? QStringLiteral("on\n") : QStringLiteral("off\n"),
                           errors);
    }
    const bool protect = *arguments->Protect;
    const auto outcome = RunFlow(
        runner, view, [&] { return runner.Set(port, protect); }, errors);
    return outcome == TDisplayOutcome::Set ? kExitDone : kExitFailed;
}
