#pragma once

#include "core/radio/exchange.h"
#include "gui/radio/exchangeform.h"

// Read: fills the main window's data set from the transceiver.
class TReadForm : public TExchangeForm {
    Q_OBJECT
public:
    // `toneBurstShown`: the main window shows the 1750 Hz tone setting, so it is read too.
    TReadForm(TWorkspace& workspace, TTransferScope scope, bool toneBurstShown);

    void ModelChanged() override;
    // A read that completed is kept as a backup.
    void Finished(TExchangeOutcome outcome) override;
};
