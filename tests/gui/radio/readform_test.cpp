#include <QAction>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "core/files/datafile.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/kcomm.h"
#include "gui/pages/channelgrids.h"
#include "gui/radio/transferfixture.h"

namespace {

const char kChannel3[] = "03,0144800000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,OLD";
const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";
const char kChannel12[] = "12,0146520000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,1,,CALL";
const char kPriority[] = "PR,0146000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,";
const QString kChangedQuestion =
    QStringLiteral("Data has been changed.\nDo you want to save the changes?");

TRadioData HandheldWithEntries() {
    TRadioData memory = TSimulatedRadio::NewMemory(kPxA5Usa);
    memory.SetChannel(7, kChannel7);
    memory.SetChannel(12, kChannel12);
    memory.SetChannel(TRadioData::kPriorityRecord, kPriority);
    memory.SetDtmf(4, "4,12*#");
    memory.SetMenuSlot(1, "3");
    return memory;
}

QString MemoryCell(TMainForm& form, int position, int column) {
    const QTableWidgetItem* item = form.Grids->MemoryGrid->item(position, column);
    return item ? item->text() : QString();
}

class ReadCommand : public TransferTest {};

TEST_F(ReadCommand, ReadAllTakesOverTheRadioAndRebuildsTheWindow) {
    TSimulatedRadio radio(HandheldWithEntries());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    QTemporaryDir folder;
    Files.Choose(folder.filePath(QStringLiteral("before.tvr")));
    ASSERT_TRUE(form.FileCommands->SaveAsClick());
    form.Data().SetChannel(3, kChannel3);
    form.RefreshGrids();
    form.Grids->SelectRow(TChannelGrids::kMemoryGrid, 5);
    form.Data().Changed = true;
    Messages.Answer(TMessageAnswer::No);
    LetExchangeRun();

    form.ToolbarButtons.ReadButton->click();

    EXPECT_EQ(Messages.Texts(), QStringList{kChangedQuestion});
    EXPECT_EQ(Title, "Read");
    EXPECT_EQ(Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(WriteDataFile(form.Data()), WriteDataFile(radio.Memory()));
    EXPECT_EQ(MemoryCell(form, 7, 3), "RPT");
    EXPECT_EQ(MemoryCell(form, 3, 2), "");
    EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kMemoryGrid), 1);
    EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kDtmfGrid), 1);
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_EQ(form.FileName(), "Untitled");
    EXPECT_TRUE(form.windowTitle().endsWith("[Untitled]"));
    EXPECT_FALSE(form.UndoCommands->Undo->isEnabled());
}

TEST_F(ReadCommand, AnotherModelShowsItsMemoryPageAndCaption) {
    const struct {
        int Row;
        QString Caption;
    } cases[] = {
        {kPxA7Europe, QStringLiteral("TAVRIN [PX-A7E]  [Untitled]")},
        {kRv310Usa, QStringLiteral("TAVRIN [RV-310/320A -1]  [Untitled]")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        TSimulatedRadio radio(TSimulatedRadio::NewMemory(c.Row));
        TMainForm& form = StartOn(radio, kPxA5Usa);
        form.PageTabs->setCurrentWidget(form.MenuTab);
        LetExchangeRun();

        form.RadioCommands->ReadMenu->trigger();

        EXPECT_EQ(Outcome, TExchangeOutcome::Done);
        EXPECT_EQ(form.Data().GetModel(), radio.Memory().GetModel());
        EXPECT_EQ(form.windowTitle(), c.Caption);
        EXPECT_EQ(form.PageTabs->currentWidget(), form.MemoryTab);
        Form.reset();
    }
}

TEST_F(ReadCommand, NothingHappensWhenThePortIsUnavailableOrTheChangesAreKept) {
    TSimulatedRadio radio(HandheldWithEntries());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    form.Data().SetChannel(3, kChannel3);
    form.Data().Changed = true;

    Messages.Answer(TMessageAnswer::Cancel);
    form.RadioCommands->ReadAll->trigger();
    EXPECT_EQ(Messages.Texts(), QStringList{kChangedQuestion});

    Temp.Set(QStringLiteral("Ports/COM1"), QStringLiteral("/dev/nonexistent-serial-port"));
    Messages.Answer(TMessageAnswer::Ok);
    form.RadioCommands->ReadMemory->trigger();
    EXPECT_EQ(Messages.Texts().last(),
              "The selected COM port is unavailable.\nPlease check the COM port status.\n\n"
              "COM1 = /dev/nonexistent-serial-port: No such file or directory");

    EXPECT_EQ(Dialogs.Count(), 0);
    EXPECT_TRUE(radio.Commands.empty());
    EXPECT_EQ(form.Data().GetChannel(3), kChannel3);
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(ReadCommand, SilentRadioTimesOutAndTheWindowIsRebuiltAnyway) {
    TSimulatedRadio radio(HandheldWithEntries());
    radio.Silent = true;
    TMainForm& form = StartOn(radio, kPxA5Usa);
    Messages.Answer(TMessageAnswer::Ok);
    LetExchangeRun();

    form.RadioCommands->ReadAll->trigger();

    // One box: the error, where the read stopped and what to do next.
    EXPECT_EQ(Messages.Texts(),
              QStringList{"Communication timeout error.\n"
                          "The read stopped at the identification, before any record was read.\n"
                          "Please check the cable and the transceiver's power, then read again."});
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    EXPECT_EQ(Outcome, TExchangeOutcome::TimedOut);
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kMemoryGrid), 1);
    EXPECT_TRUE(TKComm().CheckCommportValid(radio.Path()));
}

// A line that garbles every answer for channel 7 ends the read; the window
// shows what arrived and says that the rest is missing.
TEST_F(ReadCommand, GarbledRepliesEndTheReadAndTheWindowSaysItIsIncomplete) {
    TSimulatedRadio radio(HandheldWithEntries());
    radio.Replies = [](const std::string& command) -> std::optional<std::string> {
        if (command == "ME 07") return "ME 07#0145500000";
        return std::nullopt;
    };
    TMainForm& form = StartOn(radio, kPxA5Usa);
    form.Data().SetChannel(3, kChannel3);
    const std::string before = WriteDataFile(form.Data());
    QTemporaryDir folder;
    const QString club = folder.filePath(QStringLiteral("club.tvr"));
    Files.Choose(club);
    ASSERT_TRUE(form.FileCommands->SaveAsClick());
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Ok);
    LetExchangeRun();

    form.RadioCommands->ReadAll->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::LineFailed);
    EXPECT_EQ(std::count(radio.Commands.begin(), radio.Commands.end(), "ME 07"), kMostAttempts);
    EXPECT_EQ(Messages.Texts(), (QStringList{QString::fromStdString(BadRepliesMessage("ME 07")),
                                             QString::fromStdString(ReadStoppedMessage("ME 07"))}));
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    EXPECT_EQ(Messages.Shown()[1].Style, TMessageStyle::Warning);
    EXPECT_EQ(form.Data().GetChannel(7), "");
    EXPECT_EQ(form.Data().GetChannel(12), "");
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_EQ(form.FileName(), kUntitled);
    // Undo brings back the data as it was before the read, with its file: it
    // is saved there, and Save goes there again without asking for a name.
    form.UndoCommands->Undo->trigger();
    EXPECT_EQ(WriteDataFile(form.Data()), before);
    EXPECT_EQ(form.FileName(), club);
    EXPECT_TRUE(form.windowTitle().endsWith("[" + club + "]"));
    EXPECT_FALSE(form.Data().Changed);
    form.FileCommands->SaveClick();
    EXPECT_EQ(Files.Requests().size(), 1u);
    // Redo brings back what the read left, untitled as the read left it.
    form.UndoCommands->Redo->trigger();
    EXPECT_EQ(form.FileName(), kUntitled);
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(ReadCommand, CancelEndsTheReadWithinTheGracePeriodAndFreesThePort) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kRv310Usa));
    TMainForm& form = StartOn(radio, kRv310Usa);
    qint64 closing = -1;
    LetExchangeRun([&](TExchangeForm& dialog) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return radio.Commands.size() >= 4; }, 2000));
        QElapsedTimer clock;
        clock.start();
        dialog.CancelButton->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000));
        closing = clock.elapsed();
    });

    form.RadioCommands->ReadAll->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::Cancelled);
    EXPECT_GE(closing, 0);
    EXPECT_LT(closing, 600);
    EXPECT_TRUE(TKComm().CheckCommportValid(radio.Path()));
    EXPECT_TRUE(form.Data().Changed);
}

// The mobiles want a pause before every command; the window must keep
// working through it, and Escape cancels like the button does.
TEST_F(ReadCommand, EventLoopKeepsTurningThroughAPacedRead) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kRv310Usa));
    TMainForm& form = StartOn(radio, kRv310Usa);
    Messages.Answer(TMessageAnswer::Ok);  // the read was not completed
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    LetExchangeRun([&](TExchangeForm& dialog) {
        sinceTick.start();
        ticker.start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return radio.Commands.size() >= 10; }, 3000));
        EXPECT_GT(dialog.ProgressBar->value(), 0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
    });

    form.RadioCommands->ReadAll->trigger();
    ticker.stop();

    EXPECT_EQ(Outcome, TExchangeOutcome::Cancelled);
    EXPECT_LT(longestGap, 100);
}

TEST_F(ReadCommand, UnsupportedRadioDisablesTheDialogAndKeepsTheModel) {
    TSimulatedRadio radio(HandheldWithEntries(), "XR-100");
    TMainForm& form = StartOn(radio, kPxA5Usa);
    Messages.Answer(TMessageAnswer::Ok);
    bool enabledAtTheEnd = true;
    LetExchangeRun([&](TExchangeForm& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kExchangeLimit));
        enabledAtTheEnd = dialog.isEnabled();
    });

    form.RadioCommands->ReadAll->trigger();

    EXPECT_EQ(Messages.Texts(), QStringList{QString::fromLatin1(kUnsupportedMessage)});
    EXPECT_EQ(Outcome, TExchangeOutcome::Unsupported);
    EXPECT_FALSE(enabledAtTheEnd);
    EXPECT_EQ(form.Data().GetModel(), "PX-A5");
}

// The 1750 Hz tone setting is read only where the window shows it: asked for
// on the command line, and never on the U.S.A./Canada market.
TEST_F(ReadCommand, ToneBurstIsReadOnlyWhereTheWindowShowsIt) {
    const struct {
        int Row;
        bool Read;
    } cases[] = {{kPxA7Europe, true}, {kPxA5Usa, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        TSimulatedRadio radio(TSimulatedRadio::NewMemory(c.Row));
        TMainForm& form = StartOn(radio, c.Row, {QStringLiteral("/tbf")});
        LetExchangeRun();
        form.RadioCommands->ReadMenu->trigger();
        EXPECT_EQ(Outcome, TExchangeOutcome::Done);
        EXPECT_EQ(std::count(radio.Commands.begin(), radio.Commands.end(), "BT"), c.Read ? 1 : 0);
        Form.reset();
    }
}

// The port was free when the command tested it and taken when the dialog came up.
TEST_F(ReadCommand, PortTakenMeanwhileClosesTheDialogAtOnce) {
    TSimulatedRadio radio(HandheldWithEntries());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    TKComm holder;
    holder.SetDeviceName(radio.Path());
    Dialogs.Then([&](QDialog& dialog) {
        holder.OpenCommport();
        return RunModally(dynamic_cast<TExchangeForm&>(dialog));
    });
    Messages.Answer(TMessageAnswer::Ok);

    form.RadioCommands->ReadAll->trigger();

    ASSERT_EQ(Messages.Shown().size(), 1u);
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    EXPECT_EQ(Outcome, TExchangeOutcome::PortFailed);
    EXPECT_TRUE(radio.Commands.empty());
}

}  // namespace
