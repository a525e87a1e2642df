#include "link/writeform.h"

#include <QPushButton>
#include <memory>

#include "app/mainform.h"
#include "link/writeexchange.h"

TWriteForm::TWriteForm(TMainForm& mainForm, TTransferScope scope, bool toneBurstShown)
    : TExchangeForm(mainForm, QStringLiteral("Write"),
                    QStringLiteral("Writing data to the transceiver."), TExchangeKind::Write,
                    scope) {
    Runner.SetExchange(
        std::make_unique<TWriteExchange>(mainForm.Data(), Runner, scope, toneBurstShown));
}

// While the market code question is open, its own Cancel is the way out.
bool TWriteForm::AskToContinue(const std::string& question) {
    Button1->setEnabled(false);
    const bool goOn = TExchangeForm::AskToContinue(question);
    if (goOn) {
        Button1->setEnabled(true);
        Button1->setFocus();
    }
    return goOn;
}

void TWriteForm::BeforeExchange() {
    QString problem;
    BackUpBeforeWrite(MainForm.Data(), Scope, problem);
    if (!problem.isEmpty()) MainForm.ShowKeptFileProblem(problem);
}
