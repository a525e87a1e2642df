#pragma once

#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "core/model/modelcatalogue.h"
#include "gui/radio/exchangeform.h"
#include "gui/radio/simulatedradio.h"
#include "support/mainformfixture.h"

// Catalogue rows (0-based) the tests use.
inline constexpr int kPxA5Usa = 0;     // PX-A5, AKF0, 49 channels with names
inline constexpr int kPxA7Europe = 4;  // PX-A7, AEB0
inline constexpr int kRv310Usa = 7;    // RV-310, MKF: a mobile, 80 ms before each command

// A main window whose COM1 is a simulated transceiver, with the Read and Write
// dialogs left to run their exchange while the test waits, bounded, for the end.
class TransferTest : public MainFormTest {
protected:
    // The window configured as catalogue row `row`.
    TMainForm& StartOn(const TSimulatedRadio& radio, int row, QStringList arguments = {}) {
        const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
        StoreConfiguration(info.Model, info.MarketCode);
        Temp.Set(QStringLiteral("Ports/COM1"), QString::fromStdString(radio.Path()));
        return Start(std::move(arguments));
    }

    // The next exchange dialog runs modally, as the program runs it, until its
    // exchange closes it; `meanwhile` gets it once it is up.
    void LetExchangeRun(std::function<void(TExchangeForm&)> meanwhile = {}) {
        Dialogs.Then([this, meanwhile](QDialog& dialog) {
            return RunModally(dynamic_cast<TExchangeForm&>(dialog), meanwhile);
        });
    }

    // A dialog still open after the limit fails the test and is closed; so does one
    // that closed before `meanwhile` could act on it.
    int RunModally(TExchangeForm& form, std::function<void(TExchangeForm&)> meanwhile = {}) {
        Title = form.windowTitle();
        const auto acted = std::make_shared<bool>(false);
        if (meanwhile) {
            QTimer::singleShot(0, &form, [&form, acted, meanwhile] {
                *acted = true;
                meanwhile(form);
            });
        }
        QTimer::singleShot(kExchangeLimit, &form, [&form] {
            ADD_FAILURE() << "the exchange did not end";
            // A dialog that closed before exec() was ready to notice leaves exec()
            // waiting: only closing it once more ends that wait.
            form.show();
            form.done(QDialog::Rejected);
        });
        const int result = form.exec();
        Outcome = form.Outcome();
        EXPECT_TRUE(*acted || !meanwhile) << "the dialog closed before the test acted on it";
        return result;
    }

    static constexpr int kExchangeLimit = 4000;

    QString Title;
    std::optional<TExchangeOutcome> Outcome;
};
