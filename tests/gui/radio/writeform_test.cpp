#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "core/files/datafile.h"
#include "core/radio/verifiedwrite.h"
#include "gui/kit/reportdialog.h"
#include "gui/radio/transferfixture.h"

namespace {

const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";
const char kChannel12[] = "12,0146520000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,1,,CALL";
const char kChannel30[] = "30,0144300000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,GONE";
const char kPriority[] = "PR,0146000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,";
const QString kConfirmation = QStringLiteral("Do you want to write the data to the transceiver?");
const QString kPriorityQuestion = QStringLiteral(
    "Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is configured.");
const QString kWeatherQuestion = QStringLiteral(
    "Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency is "
    "configured.");
const QString kPriorityNotice = QStringLiteral(
    "Priority Scan is turned ON.\nYou cannot delete the PR channel frequency when Priority Scan "
    "is ON.");
const QString kWeatherNotice = QStringLiteral(
    "Weather Alert is turned ON.\nYou cannot delete the AL channel frequency when Weather Alert "
    "is ON.");

bool HasMemoryWrites(const TSimulatedRadio& radio) {
    return std::any_of(radio.Commands.begin(), radio.Commands.end(),
                       [](const std::string& command) { return command.starts_with("ME "); });
}

class WriteCommand : public TransferTest {
protected:
    TMainForm& StartWithEntries(const TSimulatedRadio& radio) {
        TMainForm& form = StartOn(radio, kPxA5Usa);
        TRadioData& data = form.Data();
        data.SetChannel(7, kChannel7);
        data.SetChannel(12, kChannel12);
        data.SetChannel(TRadioData::kPriorityRecord, kPriority);
        data.SetDtmf(4, "4,12*#");
        data.SetMenuSlot(1, "3");
        data.Changed = true;
        return form;
    }
};

TEST_F(WriteCommand, WriteAllPutsTheDataSetIntoTheRadio) {
    TRadioData memory = TSimulatedRadio::NewMemory(kPxA5Usa);
    memory.SetChannel(30, kChannel30);
    TSimulatedRadio radio(memory);
    TMainForm& form = StartWithEntries(radio);
    Messages.Answer(TMessageAnswer::Yes);
    LetExchangeRun();

    form.ToolbarButtons.WriteButton->click();

    EXPECT_EQ(Messages.Texts(), QStringList{kConfirmation});
    EXPECT_EQ(Title, "Write");
    EXPECT_EQ(Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(WriteDataFile(radio.Memory()), WriteDataFile(form.Data()));
    EXPECT_TRUE(form.Data().Changed);
}

// A scan switched on without its channel: a full write asks first, a memory
// write does not, a menu write reminds that the channel must stay.
TEST_F(WriteCommand, ScanWithoutItsChannelIsRaisedBeforeTheWrite) {
    using enum TMessageAnswer;
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    TMainForm& form = StartWithEntries(radio);
    QAction* all = form.RadioCommands->WriteAll;
    QAction* memory = form.RadioCommands->WriteMemory;
    QAction* menu = form.RadioCommands->WriteMenu;
    const int pr = TRadioData::kPriorityRecord;
    const int al = TRadioData::kWeatherAlertRecord;
    const struct {
        const char* Scan;
        int ClearedRecord;  // -1: none
        QAction* Command;
        std::vector<TMessageAnswer> Answers;
        QStringList Shown;
    } cases[] = {
        {"1", pr, all, {Cancel}, {kPriorityQuestion}},
        {"1", pr, all, {Ok, No}, {kPriorityQuestion, kConfirmation}},
        {"2", al, all, {Cancel}, {kWeatherQuestion}},
        {"1", -1, all, {No}, {kConfirmation}},
        {"1", pr, memory, {No}, {kConfirmation}},
        {"1", -1, menu, {Ok, No}, {kPriorityNotice, kConfirmation}},
        {"2", -1, menu, {Ok, No}, {kWeatherNotice, kConfirmation}},
        {"0", -1, menu, {No}, {kConfirmation}},
    };
    const TRadioData kept = form.Data();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Scan << " " << c.Command->text().toStdString());
        form.Data() = kept;
        form.Data().SetMenuSlot(3, c.Scan);
        if (c.ClearedRecord >= 0) form.Data().SetChannel(c.ClearedRecord, "");
        const qsizetype before = Messages.Texts().size();
        for (const TMessageAnswer answer : c.Answers) Messages.Answer(answer);
        c.Command->trigger();
        EXPECT_EQ(Messages.Texts().mid(before), c.Shown);
    }
    for (const TShownMessage& shown : Messages.Shown()) {
        const TMessageStyle expected = shown.Text == kConfirmation ? TMessageStyle::YesNoQuestion
                                       : shown.Text.contains("is turned ON")
                                           ? TMessageStyle::Warning
                                           : TMessageStyle::OkCancelWarning;
        EXPECT_EQ(shown.Style, expected) << shown.Text.toStdString();
    }
    EXPECT_EQ(Dialogs.Count(), 0);
    EXPECT_TRUE(radio.Commands.empty());
}

// A record the transceiver would not take stops the write before any question or port.
TEST_F(WriteCommand, RecordsBreakingTheRulesAreListedAndNothingIsWritten) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    TMainForm& form = StartWithEntries(radio);
    form.Data().SetChannel(12, QByteArray(kChannel12).replace("0146520000", "0999999999").data());
    form.Data().SetChannel(TRadioData::kPriorityRecord, "");
    form.Data().SetMenuSlot(3, "1");
    Messages.Answer(TMessageAnswer::Ok);
    form.RadioCommands->WriteAll->trigger();
    ASSERT_EQ(Messages.Shown().size(), 1u);
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    EXPECT_EQ(Messages.Shown()[0].Text,
              "The data cannot be written: these records break the transceiver's rules.\n"
              "channel 12, RxFreq: \"0999999999\" is outside the band 136-174 MHz");
    EXPECT_EQ(Dialogs.Count(), 0);
    EXPECT_TRUE(radio.Commands.empty());
}

// Records a widget's enabled state at each change.
class TEnabledRecorder : public QObject {
public:
    std::vector<bool> States;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            States.push_back(static_cast<QWidget*>(watched)->isEnabled());
        }
        return false;
    }
};

// The radio differs from the data set only in the third market character.
TRadioData OtherMarketVariant() {
    TRadioData memory = TSimulatedRadio::NewMemory(kPxA5Usa);
    memory.SetMarketCode("AKG0");
    return memory;
}

TEST_F(WriteCommand, MarketVariantQuestionGoesOnWithOk) {
    TSimulatedRadio radio(OtherMarketVariant());
    TMainForm& form = StartWithEntries(radio);
    TEnabledRecorder cancelButton;
    LetExchangeRun(
        [&](TExchangeForm& dialog) { dialog.CancelButton->installEventFilter(&cancelButton); });
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);

    form.RadioCommands->WriteAll->trigger();

    ASSERT_EQ(Messages.Shown().size(), 2u);
    EXPECT_TRUE(Messages.Shown()[1].Text.contains("market code"));
    EXPECT_EQ(Messages.Shown()[1].Style, TMessageStyle::OkCancelWarning);
    EXPECT_EQ(cancelButton.States, std::vector<bool>({false, true}));
    EXPECT_EQ(Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(radio.Memory().GetChannel(7), kChannel7);
}

TEST_F(WriteCommand, MarketVariantQuestionStopsWithCancel) {
    TSimulatedRadio radio(OtherMarketVariant());
    TMainForm& form = StartWithEntries(radio);
    LetExchangeRun();
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Cancel);

    form.RadioCommands->WriteAll->trigger();

    EXPECT_EQ(Messages.Shown().size(), 2u);
    EXPECT_EQ(Outcome, TExchangeOutcome::Cancelled);
    EXPECT_FALSE(HasMemoryWrites(radio));
    EXPECT_EQ(radio.Memory().GetChannel(7), "");
}

TEST_F(WriteCommand, RefusedRecordsAreNamedAfterTheWrite) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    radio.Refuses = [](const std::string& command) { return command.starts_with("ME 07,"); };
    TMainForm& form = StartWithEntries(radio);
    LetExchangeRun();
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);

    form.RadioCommands->WriteMemory->trigger();

    ASSERT_EQ(Messages.Shown().size(), 2u);
    EXPECT_EQ(Messages.Shown()[1].Style, TMessageStyle::Warning);
    EXPECT_TRUE(Messages.Shown()[1].Text.startsWith("The transceiver refused 1 "));
    EXPECT_TRUE(Messages.Shown()[1].Text.contains("ME 07"));
    EXPECT_EQ(Outcome, TExchangeOutcome::Refused);
    EXPECT_EQ(radio.Memory().GetChannel(7), "");
    EXPECT_EQ(radio.Memory().GetChannel(12), kChannel12);
    // A memory write leaves the menu alone.
    EXPECT_EQ(std::count(radio.Commands.begin(), radio.Commands.end(), "LK 0"), 0);
}

// The transceiver takes channel 12 but gives another frequency back: the
// verification lists it, and the write does not count as done.
TEST_F(WriteCommand, VerifyAfterWritingListsWhatTheTransceiverGivesBackDifferently) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    radio.Replies = [&radio](const std::string& command) -> std::optional<std::string> {
        if (command != "ME 12") return std::nullopt;
        std::string reply = "ME " + radio.Memory().GetChannel(12);
        reply.replace(reply.find(",0146") + 4, 1, "7");
        return reply.substr(0, reply.rfind(",,"));
    };
    TMainForm& form = StartWithEntries(radio);
    form.RadioCommands->VerifyAfterWriting->setChecked(true);
    Messages.Answer(TMessageAnswer::Yes);
    QString labelWhileVerifying;
    LetExchangeRun([&](TExchangeForm& dialog) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return std::count(radio.Commands.begin(), radio.Commands.end(), "ID") > 1; },
            3000));
        labelWhileVerifying = dialog.StatusLabel->text();
    });
    QString summary;
    QString lines;
    Dialogs.Then([&](QDialog& dialog) {
        auto& report = dynamic_cast<TReportDialog&>(dialog);
        summary = report.SummaryLabel->text();
        lines = report.NotesBox->toPlainText();
        return int(QDialog::Accepted);
    });

    form.RadioCommands->WriteMemory->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::Differs);
    EXPECT_EQ(labelWhileVerifying, "Reading the data back from the transceiver to verify it.");
    EXPECT_EQ(summary.toStdString(), VerifyFailedMessage(1));
    EXPECT_EQ(lines, "channel 12, RxFreq: written \"0146520000\", read back \"0147520000\"");
    EXPECT_EQ(radio.Memory().GetChannel(12), kChannel12);
}

}  // namespace
