#include "gui/radio/readform.h"

#include <QTabWidget>
#include <memory>

#include "core/radio/readexchange.h"
#include "gui/mainwindow/mainform.h"

TReadForm::TReadForm(TMainForm& mainForm, TTransferScope scope, bool toneBurstShown)
    : TExchangeForm(mainForm, QStringLiteral("Read"),
                    QStringLiteral("Reading the data from the transceiver."), TExchangeKind::Read,
                    scope) {
    Runner.SetExchange(
        std::make_unique<TReadExchange>(mainForm.Data(), Runner, scope, toneBurstShown));
}

// The memory of another model has other pages; its memory is what to see first.
void TReadForm::ModelChanged() {
    MainForm.PageControl1->setCurrentWidget(MainForm.TabSheet1);
}

void TReadForm::Finished(TExchangeOutcome outcome) {
    QString problem;
    BackUpAfterRead(MainForm.Data(), Scope, outcome, problem);
    if (!problem.isEmpty()) MainForm.ShowKeptFileProblem(problem);
    TExchangeForm::Finished(outcome);
}
