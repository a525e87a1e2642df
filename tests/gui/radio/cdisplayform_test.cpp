// Radio > Channel Display against a transceiver simulated inside the test.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "gui/radio/cdisplayform.h"
#include "gui/radio/transferfixture.h"

namespace {

using TCommands = std::vector<std::string>;

const QString kConfirm =
    QStringLiteral("Confirm that the transceiver has been connected to the PC.");

class ChannelDisplay : public TransferTest {
protected:
    // The next Channel Display dialog runs modally; `afterQuery` gets it once
    // its query has ended (and should press a button).
    void LetDisplayRun(std::function<void(TCDisplayForm&)> afterQuery) {
        Dialogs.Then([this, afterQuery](QDialog& dialog) {
            auto& form = dynamic_cast<TCDisplayForm&>(dialog);
            QObject::connect(
                &form, &TCDisplayForm::QueryEnded, &form,
                [&form, afterQuery] {
                    if (afterQuery) afterQuery(form);
                },
                Qt::QueuedConnection);
            QTimer::singleShot(kExchangeLimit, &form, [&form] {
                ADD_FAILURE() << "the dialog did not close";
                form.done(QDialog::Rejected);
            });
            Result = form.exec();
            Checked = form.ProtectBox->isChecked();
            return Result;
        });
    }

    void OpenDisplay() {
        Messages.Answer(TMessageAnswer::Ok);
        Form->RadioCommands->ChannelDisplay->trigger();
    }

    int Result = -1;
    bool Checked = false;
};

TEST_F(ChannelDisplay, TransceiverAnsweringAtOnceIsAskedDirectly) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    radio.Protect();
    StartOn(radio, kPxA5Usa);
    bool okEnabled = false;
    LetDisplayRun([&okEnabled](TCDisplayForm& form) {
        okEnabled = form.OKButton->isEnabled();
        form.CancelButton->click();
    });

    OpenDisplay();

    EXPECT_EQ(Messages.Texts(), QStringList{kConfirm});
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::OkCancelQuestion);
    EXPECT_EQ(radio.Commands, (TCommands{"", "CP"}));
    EXPECT_TRUE(Checked);
    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(Result, QDialog::Rejected);
    EXPECT_TRUE(radio.DisplayProtected());
}

TEST_F(ChannelDisplay, AnyOtherReplyLeavesTheBoxUnchecked) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    StartOn(radio, kPxA5Usa);
    for (const char* answer : {"CP 0", "?", "CP 2", "ID PX-A5"}) {
        radio.Replies = [answer](const std::string& command) -> std::optional<std::string> {
            if (command == "CP") return answer;
            return std::nullopt;
        };
        LetDisplayRun([](TCDisplayForm& form) { form.CancelButton->click(); });
        OpenDisplay();
        EXPECT_FALSE(Checked) << answer;
    }
    EXPECT_EQ(Dialogs.Count(), 4);
}

// A transceiver that answers "CP" only in programming mode: the query goes
// wrapped, its "END" is answered at once and the dialog stays; unchecking the
// box and OK then sends "CP 0" the same way and closes it.
TEST_F(ChannelDisplay, SilentTransceiverGetsTheCommandInProgrammingMode) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kRv310Usa), {}, TProtectAnswer::InProgramMode);
    radio.Protect();
    StartOn(radio, kRv310Usa);
    bool checkedByQuery = false;
    LetDisplayRun([&checkedByQuery](TCDisplayForm& form) {
        checkedByQuery = form.ProtectBox->isChecked();
        form.ProtectBox->setChecked(false);
        form.OKButton->click();
        EXPECT_FALSE(form.OKButton->isEnabled());  // one flow at a time
    });

    OpenDisplay();

    EXPECT_TRUE(checkedByQuery);
    EXPECT_EQ(radio.Commands, (TCommands{"", "CP", "PROGRAM", "PROGRAM", "CP", "END",  //
                                         "", "CP 0", "PROGRAM", "PROGRAM", "CP 0", "END"}));
    EXPECT_EQ(Result, QDialog::Accepted);
    EXPECT_FALSE(radio.DisplayProtected());
    EXPECT_FALSE(radio.Memory().Changed);
}

TEST_F(ChannelDisplay, CheckedBoxSwitchesProtectionOnDirectly) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    StartOn(radio, kPxA5Usa);
    LetDisplayRun([](TCDisplayForm& form) {
        form.ProtectBox->setChecked(true);
        form.OKButton->click();
    });

    OpenDisplay();

    EXPECT_EQ(radio.Commands, (TCommands{"", "CP", "", "CP 1"}));
    EXPECT_EQ(Result, QDialog::Accepted);
    EXPECT_TRUE(radio.DisplayProtected());
    EXPECT_FALSE(Form->Data().Changed);  // the setting is the transceiver's alone
}

TEST_F(ChannelDisplay, SilentTransceiverEndsInTheTimeoutMessage) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    radio.Silent = true;
    StartOn(radio, kPxA5Usa);
    LetDisplayRun({});
    Messages.Answer(TMessageAnswer::Ok);  // the time-out

    OpenDisplay();

    EXPECT_EQ(Messages.Texts(),
              (QStringList{kConfirm,
                           "Communication timeout error.\nPlease check the cable and the "
                           "transceiver's power, then try again."}));
    EXPECT_EQ(Messages.Shown()[1].Style, TMessageStyle::Error);
    EXPECT_EQ(radio.Commands, (TCommands{"", "CP", "PROGRAM"}));
    EXPECT_EQ(Result, QDialog::Rejected);
}

TEST_F(ChannelDisplay, NothingIsOpenedWithoutPortOrConfirmation) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    StartOn(radio, kPxA5Usa);
    Messages.Answer(TMessageAnswer::Cancel);
    Form->RadioCommands->ChannelDisplay->trigger();
    EXPECT_EQ(Dialogs.Count(), 0);

    Temp.Set(QStringLiteral("Ports/COM1"), QStringLiteral("/dev/tavrin-test-no-such-port"));
    Messages.Answer(TMessageAnswer::Ok);
    Form->RadioCommands->ChannelDisplay->trigger();
    EXPECT_EQ(Dialogs.Count(), 0);
    EXPECT_EQ(Messages.Texts().last(),
              "The selected COM port is unavailable.\nPlease check the COM port status.\n\n"
              "COM1 = /dev/tavrin-test-no-such-port: No such file or directory");
    EXPECT_TRUE(radio.Commands.empty());
}

}  // namespace
