#include "gui/radio/readform.h"

#include <QTabWidget>
#include <memory>

#include "core/model/radiodata.h"
#include "core/radio/readexchange.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/workspace.h"

TReadForm::TReadForm(TWorkspace& workspace, TTransferScope scope, bool toneBurstShown)
    : TExchangeForm(workspace, tr("Read"), tr("Reading the data from the transceiver."),
                    TExchangeKind::Read, scope) {
    SetHelpContext(this, 65);
    Runner.SetExchange(
        std::make_unique<TReadExchange>(workspace.Data(), Runner, scope, toneBurstShown));
}

// The memory of another model has other pages; its memory is what to see first.
void TReadForm::ModelChanged() {
    Workspace.ShowMemoryPage();
}

void TReadForm::Finished(TExchangeOutcome outcome) {
    QString problem;
    BackUpAfterRead(Workspace.Data(), Scope, outcome, problem);
    if (!problem.isEmpty()) Workspace.ShowKeptFileProblem(problem);
    TExchangeForm::Finished(outcome);
}
