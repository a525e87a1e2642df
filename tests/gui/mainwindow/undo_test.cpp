#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "core/files/datafile.h"
#include "core/model/channelrecord.h"
#include "gui/editors/memoryform.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/mchannelform.h"
#include "gui/pages/menupages.h"
#include "gui/pages/sortform.h"
#include "support/mainformfixture.h"

namespace {

const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,HOME";

// What the window holds and shows: the data file it would write, every grid
// cell and the comment box.
struct TShown {
    std::string File;
    QStringList Cells;
    QString Comment;
};

// A PX-A5 (U.S.A./Canada) window with channel 7 set, its history starting there.
class Undo : public MainFormTest {
protected:
    TMainForm& StartWithChannel7() {
        StoreConfiguration("PX-A5", "AKF0");
        Start().Data().SetChannel(7, kChannel7);
        Form->RefreshGrids();
        Form->UndoCommands->Reset();
        return *Form;
    }

    TShown Shown() const {
        TShown shown{WriteDataFile(Form->Data()), {}, Form->CommentEdit->text()};
        const TChannelGrids& grids = *Form->Grids;
        for (QTableWidget* table :
             {grids.MemoryGrid, grids.VfoGrid, grids.CallGrid, grids.DtmfGrid}) {
            shown.Cells << QString::number(table->rowCount());
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    const QTableWidgetItem* item = table->item(row, column);
                    shown.Cells << (item ? item->text() : QString());
                }
            }
        }
        return shown;
    }

    static void ExpectSame(const TShown& actual, const TShown& expected) {
        EXPECT_EQ(actual.File, expected.File);
        EXPECT_EQ(actual.Cells, expected.Cells);
        EXPECT_EQ(actual.Comment, expected.Comment);
    }

    // The last change is taken back to `before` with Undo and brought back with Redo.
    void ExpectUndoneAndRedone(const TShown& before) {
        const TShown after = Shown();
        ASSERT_NE(after.File, before.File) << "nothing changed";
        ASSERT_TRUE(Form->UndoCommands->Undo->isEnabled());
        EXPECT_FALSE(Form->UndoCommands->Redo->isEnabled());
        Form->UndoCommands->Undo->trigger();
        ExpectSame(Shown(), before);
        ASSERT_TRUE(Form->UndoCommands->Redo->isEnabled());
        Form->UndoCommands->Redo->trigger();
        ExpectSame(Shown(), after);
        EXPECT_FALSE(Form->UndoCommands->Redo->isEnabled());
    }

    void SelectMemoryRow(int row) {
        QTableWidget* grid = Form->Grids->MemoryGrid;
        QTableWidgetItem* label = grid->item(row - 1, 1);
        grid->scrollToItem(label);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(label).center());
    }

    // Undo and Redo, as the menu items and the tool buttons offer them.
    bool UndoOffered() const {
        const bool offered = Form->UndoCommands->Undo->isEnabled();
        EXPECT_EQ(Form->ToolbarButtons.UndoButton->isEnabled(), offered);
        return offered;
    }
    bool RedoOffered() const {
        const bool offered = Form->UndoCommands->Redo->isEnabled();
        EXPECT_EQ(Form->ToolbarButtons.RedoButton->isEnabled(), offered);
        return offered;
    }

    QString SaveFile(const char* name) {
        const QString path = Folder.filePath(QString::fromLatin1(name));
        Files.Choose(path);
        EXPECT_TRUE(Form->FileCommands->SaveAsClick());
        return path;
    }

    QTemporaryDir Folder;
};

TEST_F(Undo, MenuItemsAndToolButtonsAreOfferedOnlyWithStepsToTake) {
    TMainForm& form = StartWithChannel7();
    EXPECT_EQ(form.UndoCommands->Undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(form.UndoCommands->Redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_EQ(form.Menu.EditMenu->actions().indexOf(form.UndoCommands->Undo), 0);
    EXPECT_TRUE(form.Menu.EditMenu->actions().value(2)->isSeparator());
    EXPECT_FALSE(UndoOffered());
    EXPECT_FALSE(RedoOffered());
    SelectMemoryRow(8);
    form.EditCommands->Delete->trigger();
    EXPECT_TRUE(UndoOffered());
    form.ToolbarButtons.UndoButton->click();
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_FALSE(UndoOffered());
    EXPECT_TRUE(RedoOffered());
    form.ToolbarButtons.RedoButton->click();
    EXPECT_EQ(form.Data().GetChannel(7), "");
    EXPECT_FALSE(RedoOffered());

    // The menu pages keep Undo within reach; the channel commands are only for the grids.
    form.PageTabs->setCurrentWidget(form.MenuTab);
    EXPECT_TRUE(form.Menu.EditMenu->menuAction()->isEnabled());
    EXPECT_TRUE(UndoOffered());
    EXPECT_FALSE(form.EditCommands->Copy->isEnabled() || form.EditCommands->Cut->isEnabled() ||
                 form.EditCommands->MemorySort->isEnabled());
    form.PageTabs->setCurrentWidget(form.MemoryTab);
    EXPECT_TRUE(form.EditCommands->Copy->isEnabled() && form.EditCommands->MemorySort->isEnabled());
}

TEST_F(Undo, TheMemoryEditorsStoresAreOneStep) {
    TMainForm& form = StartWithChannel7();
    const TShown before = Shown();
    SelectMemoryRow(8);
    Dialogs.Then([](QDialog& dialog) {
        auto& editor = dynamic_cast<TMemoryForm&>(dialog);
        editor.RxFrequencyEdit->setText(QStringLiteral("146.000"));
        editor.OKButton->click();
        return editor.result();
    });
    QTest::keyClick(form.Grids->MemoryGrid, Qt::Key_Return);
    ASSERT_EQ(Dialogs.Count(), 1);
    EXPECT_EQ(form.Grids->MemoryGrid->item(7, 2)->text(), "146.000");
    ExpectUndoneAndRedone(before);

    // An editor closed without a change adds no step.
    form.UndoCommands->Undo->trigger();
    Dialogs.Then([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    QTest::keyClick(form.Grids->MemoryGrid, Qt::Key_Return);
    EXPECT_TRUE(RedoOffered());
}

TEST_F(Undo, ChannelCommandsAreTakenBackOneByOne) {
    TMainForm& form = StartWithChannel7();
    const std::initializer_list<std::pair<int, QAction*>> commands = {
        {8, form.EditCommands->Popups.MemoryLockout},
        {8, form.EditCommands->Cut},
        {4, form.EditCommands->Paste},
        {4, form.EditCommands->Delete},
    };
    for (const auto& [row, command] : commands) {
        SCOPED_TRACE(command->text().toStdString());
        const TShown before = Shown();
        SelectMemoryRow(row);
        command->trigger();
        ExpectUndoneAndRedone(before);
        EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kMemoryGrid), row);
    }
}

TEST_F(Undo, SortAndChannelCountAreTakenBack) {
    TMainForm& form = StartWithChannel7();
    TShown before = Shown();
    Dialogs.Then([](QDialog& dialog) {
        auto& sort = dynamic_cast<TSortForm&>(dialog);
        sort.SortButton->click();
        return sort.result();
    });
    form.EditCommands->MemorySort->trigger();
    EXPECT_EQ(RecordField(form.Data().GetChannel(0), kRxFreqField), "0145500000");
    ExpectUndoneAndRedone(before);

    // The grid is rebuilt for the other channel count, both ways.
    before = Shown();
    const int rows = form.Grids->MemoryGrid->rowCount();
    Dialogs.Then([](QDialog& dialog) {
        auto& select = dynamic_cast<TMChannelForm&>(dialog);
        (select.SmallerCountRadio->isChecked() ? select.LargerCountRadio : select.SmallerCountRadio)
            ->setChecked(true);
        select.OkButton->click();
        return select.result();
    });
    Messages.Answer(TMessageAnswer::Yes);
    form.ModelCommands->MemoryChannelSelect->trigger();
    EXPECT_NE(form.Grids->MemoryGrid->rowCount(), rows);
    ExpectUndoneAndRedone(before);
}

TEST_F(Undo, AMenuSettingChangedWithTheKeysIsOneStep) {
    TMainForm& form = StartWithChannel7();
    const TShown before = Shown();
    QComboBox* list = form.MenuPages->TimeOutTimerList;
    const int shown = list->currentIndex();
    form.PageTabs->setCurrentWidget(form.MenuTab);
    list->setFocus();
    const Qt::Key key = shown + 2 < list->count() ? Qt::Key_Down : Qt::Key_Up;
    QTest::keyClick(list, key);
    QTest::keyClick(list, key);
    ExpectUndoneAndRedone(before);

    // Ctrl+Z reaches the window from a list on the menu page.
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    ExpectSame(Shown(), before);
    EXPECT_EQ(list->currentIndex(), shown);
}

TEST_F(Undo, TypingACommentIsOneStepAndCtrlZInTheBoxIsTheBoxs) {
    TMainForm& form = StartWithChannel7();
    const TShown before = Shown();
    form.CommentEdit->setFocus();
    TypeText(form.CommentEdit, QStringLiteral("club net"));
    EXPECT_EQ(form.Data().GetComment(), "club net");
    ExpectUndoneAndRedone(before);

    // Inside the box Ctrl+Z is the box's own undo: with nothing typed since the box was
    // filled it has nothing to take back, and the comment stays.
    form.CommentEdit->setFocus();
    QTest::keyClick(form.CommentEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Data().GetComment(), "club net");
    // After typing it takes the typing back, and the data set follows the box.
    form.CommentEdit->end(false);
    TypeText(form.CommentEdit, QStringLiteral(" x"));
    QTest::keyClick(form.CommentEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.CommentEdit->text(), "club net");
    EXPECT_EQ(form.Data().GetComment(), "club net");

    // From the grid it takes back the comment as typed in the box.
    form.Grids->MemoryGrid->setFocus();
    QTest::keyClick(form.Grids->MemoryGrid, Qt::Key_Z, Qt::ControlModifier);
    ExpectSame(Shown(), before);
    QTest::keyClick(form.Grids->MemoryGrid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.CommentEdit->text(), "club net");
}

TEST_F(Undo, LeavingTheCommentBoxEndsItsStep) {
    TMainForm& form = StartWithChannel7();
    form.CommentEdit->setFocus();
    TypeText(form.CommentEdit, QStringLiteral("one"));
    form.Grids->MemoryGrid->setFocus();
    form.CommentEdit->setFocus();
    TypeText(form.CommentEdit, QStringLiteral(" two"));
    form.UndoCommands->Undo->trigger();
    EXPECT_EQ(form.CommentEdit->text(), "one");
}

TEST_F(Undo, ACsvImportIsOneStep) {
    TMainForm& form = StartWithChannel7();
    const TShown before = Shown();
    QFile list(Folder.filePath(QStringLiteral("list.csv")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Location,Name,Frequency\n3,CLUB,145.000000\n");
    list.close();
    Files.Choose(list.fileName());
    Messages.Answer(TMessageAnswer::Ok);
    form.CsvCommands->Import->trigger();
    EXPECT_EQ(form.Grids->MemoryGrid->item(3, 2)->text(), "145.000");
    ExpectUndoneAndRedone(before);
}

TEST_F(Undo, TheChangedMarkReturnsWithTheSavedContents) {
    TMainForm& form = StartWithChannel7();
    SaveFile("saved.tvr");
    const TShown saved = Shown();
    SelectMemoryRow(8);
    form.EditCommands->Delete->trigger();
    EXPECT_TRUE(form.Data().Changed);
    form.UndoCommands->Undo->trigger();
    EXPECT_FALSE(form.Data().Changed);
    ExpectSame(Shown(), saved);
    form.UndoCommands->Redo->trigger();
    EXPECT_TRUE(form.Data().Changed);

    // Saved after the change: the contents before it are the unsaved ones now.
    SaveFile("saved.tvr");
    form.UndoCommands->Undo->trigger();
    EXPECT_TRUE(form.Data().Changed);
    form.UndoCommands->Redo->trigger();
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(Undo, KeepsAHundredStepsAndLetsTheOldestGo) {
    TMainForm& form = StartWithChannel7();
    SelectMemoryRow(8);
    for (int toggle = 0; toggle < 105; ++toggle) form.EditCommands->Popups.MemoryLockout->trigger();
    int undone = 0;
    for (; UndoOffered() && undone < 200; ++undone) form.UndoCommands->Undo->trigger();
    EXPECT_EQ(undone, 100);
    // Five toggles are beyond reach: the channel stays locked out, and changed.
    EXPECT_NE(form.Data().GetChannel(7), kChannel7);
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(Undo, NewOpenAndAModelChangeStartANewHistory) {
    TMainForm& form = StartWithChannel7();
    const QString path = SaveFile("start.tvr");
    const auto changeAndExpectNoHistoryAfter = [&](const std::function<void()>& replace) {
        SelectMemoryRow(8);
        form.EditCommands->Delete->trigger();
        form.UndoCommands->Undo->trigger();
        EXPECT_TRUE(RedoOffered());
        form.UndoCommands->Redo->trigger();
        replace();
        EXPECT_FALSE(UndoOffered());
        EXPECT_FALSE(RedoOffered());
        EXPECT_FALSE(form.Data().Changed);
    };
    changeAndExpectNoHistoryAfter([&] {
        Files.Choose(path);
        Messages.Answer(TMessageAnswer::No);
        form.FileCommands->Open->trigger();
        EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    });
    changeAndExpectNoHistoryAfter([&] {
        Messages.Answer(TMessageAnswer::No);
        form.FileCommands->New->trigger();
    });
    form.Data().SetChannel(7, kChannel7);
    form.UndoCommands->RecordStep();
    changeAndExpectNoHistoryAfter([&] { form.ChangeModel(0); });
}

}  // namespace
