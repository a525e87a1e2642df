#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/files/settings.h"
#include "core/model/radiodata.h"
#include "gui/mainwindow/csvcommands.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/filecommands.h"
#include "gui/mainwindow/portcommands.h"
#include "gui/mainwindow/radiocommands.h"
#include "gui/mainwindow/undocommands.h"
#include "support/guitestsupport.h"
#include "support/tempsettings.h"

namespace {

const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,HOME";

// A document without the main window: a PX-A5 data set, the window's answers
// as members, and a record of what the commands asked it to show.
class TTestDocument : public TDocument {
public:
    TTestDocument() {
        Set.SetModel("PX-A5");
        Set.SetMarketCode("AKF0");
        Set.SetMenuSlot(26, "49");
        Set.SetBandLimit("0136,0173");
        Set.ApplyDefaultRecords();
        Set.ApplyMenuDefaults();
    }

    QWidget* Window() override { return &Frame; }
    TRadioData& Data() override { return Set; }
    const QString& FileName() const override { return Name; }
    const QString& CommPort() const override { return Port; }
    const QString& DialogFolder() const override { return Folder; }
    bool ToneBurst() const override { return false; }
    int SelectedMemoryRow() const override { return 0; }
    int SelectedDtmfRow() const override { return 0; }
    void RefreshGrids() override {}
    void CommitDataChange() override {}
    void MemoryLayoutChanged() override {}
    bool ConfirmDiscardChanges() override { return true; }
    void ChangeModel(int) override {}
    void ShowMemoryPage() override {}
    void ShowStatusNote(const QString&, int) override {}
    bool LogCommunication() const override { return false; }
    void ShowKeptFileProblem(const QString&) override {}

    void SetFileName(const QString& fileName) override { Name = fileName; }
    TShownPage ShownPage() const override { return TShownPage::Channels; }
    bool StoreCellEdit() override { return CellStored; }
    void ParkFocus() override {}
    void ShowDataSet(TDataSetShown reason) override {
        Shown.push_back(reason);
        if (OnShow) OnShow();
    }
    void OpenEditor(int) override {}

    QWidget Frame;
    TRadioData Set;
    QString Name = kUntitled;
    QString Port = QStringLiteral("COM1");
    QString Folder;
    bool CellStored = true;
    std::vector<TDataSetShown> Shown;
    std::function<void()> OnShow;
};

// The commands of the File, Radio and Edit menus on that document; every
// message and file dialog is answered by the test.
class CommandGroups : public ::testing::Test {
protected:
    TTempSettings Temp;
    TScriptedMessages Messages;
    TScriptedFileDialogs Files;
    TSettingsStore Store;
    TTestDocument Document;
    TUndoCommands Undo{Document, nullptr};
    TFileCommands FileCommands{Document, Undo, Store, nullptr};
    TCsvCommands CsvCommands{Document, nullptr};
    TPortCommands PortCommands{Document.Frame, nullptr};
    TRadioCommands RadioCommands{Document, Undo, PortCommands, Store, nullptr};
};

// A value typed into the Channels page that the page refuses keeps its cell
// open: a command that would use, replace or send the data set stops before
// it asks anything, and leaves the data set as it was.
TEST_F(CommandGroups, ARefusedCellEditStopsEveryCommandBeforeItAsksAnything) {
    const std::vector<std::pair<const char*, std::function<void()>>> commands{
        {"New", [this] { FileCommands.NewClick(); }},
        {"Open", [this] { FileCommands.OpenClick(); }},
        {"Open Recent", [this] { FileCommands.OpenRecentFile(QStringLiteral("/none.tvr")); }},
        {"Save", [this] { FileCommands.SaveClick(); }},
        {"Save As", [this] { EXPECT_FALSE(FileCommands.SaveAsClick()); }},
        {"Print", [this] { FileCommands.PrintClick(); }},
        {"Export PDF", [this] { FileCommands.ExportPdfClick(); }},
        {"Export CSV", [this] { CsvCommands.ExportClick(); }},
        {"Write", [this] { RadioCommands.WriteAllClick(); }},
        {"changed-data question", [this] { EXPECT_FALSE(FileCommands.ConfirmDiscardChanges()); }},
    };
    Document.CellStored = false;
    Document.Set.SetChannel(7, kChannel7);
    Document.Set.Changed = true;
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        command();
        EXPECT_EQ(Document.Set.GetChannel(7), kChannel7);
        EXPECT_TRUE(Document.Set.Changed);
        EXPECT_EQ(Document.Name, kUntitled);
        EXPECT_TRUE(Document.Shown.empty());
    }
    EXPECT_TRUE(Messages.Shown().empty());
    EXPECT_TRUE(Files.Requests().empty());
}

// Showing a restored step may make the pages store what they show (a stored
// text they cannot show is emptied, say); that is no step of its own, which
// would take the place of the step Redo brings back.
TEST_F(CommandGroups, ShowingAnUndoneStepRecordsNoStep) {
    Undo.Reset();
    Document.Set.SetChannel(7, kChannel7);
    Undo.RecordStep();
    Document.OnShow = [this] {
        Document.Set.SetComment("stored while shown");
        Undo.RecordStep();
    };
    Undo.Undo->trigger();
    EXPECT_EQ(Document.Shown, std::vector<TDataSetShown>{TDataSetShown::Restored});
    EXPECT_EQ(Document.Set.GetChannel(7), "");
    EXPECT_FALSE(Undo.Undo->isEnabled());
    EXPECT_TRUE(Undo.Redo->isEnabled());
}

}  // namespace
