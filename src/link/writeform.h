#pragma once

#include "link/exchange.h"
#include "link/exchangeform.h"

// Write: sends the main window's data set to the transceiver.
class TWriteForm : public TExchangeForm {
    Q_OBJECT
public:
    TWriteForm(TMainForm& mainForm, TTransferScope scope, bool toneBurstShown);

    bool AskToContinue(const std::string& question) override;

protected:
    // What is about to be sent is kept as a backup first.
    void BeforeExchange() override;
};
