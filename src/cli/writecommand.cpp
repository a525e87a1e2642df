#include "cli/clicommands.h"
#include "cli/consoleview.h"
#include "core/model/radiodata.h"
#include "core/radio/verifiedwrite.h"
#include "core/radio/writechecks.h"
#include "core/radio/writeexchange.h"

namespace {

// The checks of the scan setting against the PR and AL channels before a
// write; false when a question was declined.
bool CheckScanSetting(const TRadioData& data, TTransferScope scope, TConsoleView& view) {
    const TWriteCheck check = CheckBeforeWrite(data, scope);
    if (!check.Notice.empty()) view.Say(check.Notice);
    return check.Question.empty() || view.AskToContinue(check.Question);
}

std::unique_ptr<TExchange> WriteExchange(const TRadioData& data, TExchangeRunner& runner,
                                         const TExchangeArguments& arguments, bool toneBurstShown) {
    if (arguments.Verify) {
        return std::make_unique<TVerifiedWrite>(data, runner, arguments.Scope, toneBurstShown);
    }
    return std::make_unique<TWriteExchange>(data, runner, arguments.Scope, toneBurstShown);
}

// Nothing goes out, and no port is opened, while a record the write would send breaks the
// transceiver's rules; false then, with the records listed.
bool CheckRules(const TRadioData& data, TTransferScope scope, bool toneBurstShown,
                TConsoleView& view) {
    const TRuleBreaks breaks = RuleBreaksOfWrite(data, scope, toneBurstShown);
    if (!breaks.empty()) view.Say(WriteRefusedMessage(breaks));
    return breaks.empty();
}

// Every difference the read-back found, one line each.
void ReportVerification(const TExchangeRunner& runner, TExchangeOutcome outcome,
                        TConsoleView& view) {
    const auto* verified = dynamic_cast<const TVerifiedWrite*>(runner.Exchange());
    if (verified == nullptr) return;
    if (outcome == TExchangeOutcome::Differs) {
        view.Say(VerifyFailedMessage(verified->Differences().size()));
        for (const TDataDifference& difference : verified->Differences()) {
            view.SayDetail(DifferenceLine(difference, "written", "read back"));
        }
    } else if (outcome == TExchangeOutcome::Done) {
        view.Say(kVerifiedMessage);
    }
}

// The console of a write: what is sent is kept as a backup once the
// transceiver has answered, as the window does.
class TWriteConsoleView : public TConsoleView {
public:
    TWriteConsoleView(QTextStream& errors, bool answerYes, const TRadioData& data,
                      TTransferScope scope)
        : TConsoleView(errors, answerYes), Data(data), Scope(scope) {}

    void Identified() override {
        QString problem;
        BackUpBeforeWrite(Data, Scope, problem);
        if (!problem.isEmpty()) Say(problem.toStdString());
    }

private:
    const TRadioData& Data;
    TTransferScope Scope;
};

}  // namespace

int RunWrite(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TExchangeArguments> arguments =
        ParseExchangeArguments(options, true, errors);
    if (!arguments) return kExitUsage;
    // The write lists what it would refuse itself, for its scope.
    if (!OpenAsOpenDoes(data, arguments->File, errors, false)) return kExitUsage;
    TWriteConsoleView view(errors, arguments->Yes, data, arguments->Scope);
    const bool toneBurstShown = ToneBurstShown(options.ToneBurst, data);
    if (!CheckRules(data, arguments->Scope, toneBurstShown, view)) return kExitFailed;
    if (!CheckScanSetting(data, arguments->Scope, view)) return kExitFailed;
    TExchangeRunner runner(view);
    runner.SetExchange(WriteExchange(data, runner, *arguments, toneBurstShown));
    const TExchangeLabel label{TExchangeKind::Write, arguments->Scope,
                               QString::fromStdString(data.GetModel()), arguments->Port};
    AttachCliLog(options, runner.Port, label, errors);
    const TExchangeOutcome outcome = RunExchange(runner, view, arguments->Port);
    ReportVerification(runner, outcome, view);
    return view.ExitStatus(outcome);
}
