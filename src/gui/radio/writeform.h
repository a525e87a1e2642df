#pragma once

#include "core/radio/exchange.h"
#include "gui/radio/exchangeform.h"

// Write: sends the main window's data set to the transceiver and, when asked
// to verify, reads it back and compares it.
class TWriteForm : public TExchangeForm {
    Q_OBJECT
public:
    TWriteForm(TWorkspace& workspace, TTransferScope scope, bool toneBurstShown,
               bool verify = false);

    bool AskToContinue(const std::string& question) override;
    // What is about to be sent is kept as a backup once the transceiver answered.
    void Identified() override;
    void Verifying() override;
    void Finished(TExchangeOutcome outcome) override;

private:
    void ShowDifferences();
};
