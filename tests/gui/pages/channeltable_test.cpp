#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>

#include "core/model/channeltable.h"
#include "gui/editors/editorfixture.h"
#include "gui/editors/memoryform.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/pages/channelspage.h"
#include "gui/pages/channeltablemodel.h"
#include "support/startranslator.h"

namespace {

const char kChannel3[] = "003,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,CLUB";
const char kChannel4[] = "004,0147500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";

// A record without its label: two channels hold the same settings when these match.
std::string Settings(const std::string& record) {
    return record.substr(record.find(','));
}

// An RV-310 window showing its Channels page, channels 3 and 4 in use.
class ChannelTable : public MainFormTest {
protected:
    TChannelsPage& StartOnChannels() {
        StoreConfiguration("RV-310", "MED");
        Start().Data().SetChannel(3, kChannel3);
        Form->Data().SetChannel(4, kChannel4);
        Form->RefreshGrids();
        Form->ResetUndoHistory();
        Form->PageControl1->setCurrentWidget(Form->TabSheet5);
        Page().Table->setFocus();
        return Page();
    }

    TChannelsPage& Page() const { return *Form->ChannelsPage; }
    std::string Channel(int index) const { return Form->Data().GetChannel(index); }
    QString Cell(int row, TTableColumn column) const {
        return Page().Model->index(row, static_cast<int>(column)).data().toString();
    }

    // Types into a row's cell and ends with Enter, as the user edits the table.
    void TypeIntoCell(int row, TTableColumn column, const QString& text) {
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Page().Table->setFocus();
        Page().SelectRows({row});
        Page().Table->setCurrentIndex(
            Page().Table->currentIndex().siblingAtColumn(static_cast<int>(column)));
        TypeIntoView(Page().Table, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The edit is stored once the editor closed and gave the keyboard back.
        QTRY_VERIFY(QApplication::focusWidget() == Page().Table);
    }

    // What the memory editor stores at a position when the frequency is typed and OK clicked.
    std::string StoredByEditor(int position, const QString& frequency, bool rounded) {
        Form->Grids->SelectRow(TChannelGrids::kMemoryGrid, position + 1);
        TMemoryForm editor(*Form);
        editor.show();
        Retype(editor.Edit1, frequency);
        if (rounded) Messages.Answer(TMessageAnswer::Ok);
        Click(editor.Button2);
        return Channel(position);
    }
};

TEST_F(ChannelTable, MemoryPageStaysFirstAndOnlyTheTableWidensTheWindow) {
    StoreConfiguration("RV-310", "MED");
    Start();
    EXPECT_EQ(Form->PageControl1->currentWidget(), Form->TabSheet1);
    EXPECT_EQ(Form->PageControl1->tabText(1), "Ch&annels");
    const QSize design = Form->size();
    Form->PageControl1->setCurrentWidget(Form->TabSheet5);
    EXPECT_GT(Form->width(), design.width());
    QTRY_VERIFY(!Page().Table->horizontalScrollBar()->isVisible());
    Form->PageControl1->setCurrentWidget(Form->TabSheet1);
    EXPECT_EQ(Form->size(), design);
}

TEST_F(ChannelTable, TypedFrequencyStoresWhatTheMemoryEditorStores) {
    struct TCase {
        const char* Typed;
        bool Rounded;
    };
    const TCase cases[] = {{"145", false}, {"146.5", false}, {"145.0075", true}, {"147.99", true}};
    StartOnChannels();
    int row = 10;
    for (const TCase& input : cases) {
        SCOPED_TRACE(input.Typed);
        TypeIntoCell(row, TTableColumn::RxFrequency, input.Typed);
        EXPECT_EQ(Page().CurrentRow(), row + 1);  // Enter went down
        EXPECT_EQ(Page().MessageLine->text().isEmpty(), !input.Rounded);
        const std::string table = Channel(row);
        ASSERT_FALSE(table.empty());
        EXPECT_EQ(Settings(table), Settings(StoredByEditor(row + 1, input.Typed, input.Rounded)));
        EXPECT_EQ(Cell(row, TTableColumn::RxFrequency).toStdString(),
                  TableCellText(Form->Data(), row, TTableColumn::RxFrequency));
        row += 2;
    }
    EXPECT_TRUE(Form->Data().Changed);
}

TEST_F(ChannelTable, RefusedValueShowsTheReasonAndStoresNothing) {
    StartOnChannels();
    TypeIntoCell(3, TTableColumn::RxFrequency, "1..4");
    EXPECT_EQ(Page().MessageLine->text(), kInvalidFrequency);
    EXPECT_TRUE(Page().MessageLine->styleSheet().contains("red"));
    EXPECT_EQ(Page().CurrentRow(), 3);  // Enter stayed on the refused cell
    EXPECT_EQ(Channel(3), kChannel3);
    EXPECT_EQ(Cell(3, TTableColumn::RxFrequency), "145.500");
    EXPECT_FALSE(Form->Menu.Undo->isEnabled());
    EXPECT_TRUE(Messages.Shown().empty());
    // The reasons are said in the window's language, a value put into its pattern.
    const TStarTranslator translator;
    TypeIntoCell(3, TTableColumn::RxFrequency, "1..4");
    EXPECT_EQ(Page().MessageLine->text(), QString(kInvalidFrequency) + "*");
    TypeIntoCell(3, TTableColumn::Name, "TOOLONG");
    EXPECT_EQ(Page().MessageLine->text(), "A memory name holds at most 6 characters.*");
}

TEST_F(ChannelTable, TranslatedChoicesShowButTheEnglishChoiceIsStored) {
    StartOnChannels();
    // The English choice typed into the cell, then taken back.
    TypeIntoCell(3, TTableColumn::Shift, "-");
    const std::string typed = Channel(3);
    ASSERT_NE(typed, kChannel3);
    Form->Menu.Undo->trigger();
    ASSERT_EQ(Channel(3), kChannel3);

    auto translator = std::make_unique<TStarTranslator>();
    const QAbstractItemModel* shown = Page().Table->model();
    const int shift = static_cast<int>(TTableColumn::Shift);
    EXPECT_EQ(shown->headerData(shift, Qt::Horizontal).toString(), "Shift*");
    EXPECT_EQ(Cell(3, TTableColumn::Shift),
              QString::fromStdString(TableCellText(Form->Data(), 3, TTableColumn::Shift)) + "*");
    const QModelIndex cell = shown->index(3, shift);
    QAbstractItemDelegate* delegate = Page().Table->itemDelegate();
    std::unique_ptr<QWidget> editor(delegate->createEditor(Page().Table, {}, cell));
    auto* list = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(list, nullptr);
    delegate->setEditorData(list, cell);
    EXPECT_EQ(list->currentText(), Cell(3, TTableColumn::Shift));
    list->setCurrentIndex(list->findText("-*"));
    delegate->setModelData(list, Page().Table->model(), cell);
    translator.reset();
    EXPECT_EQ(Channel(3), typed);
    EXPECT_EQ(Cell(3, TTableColumn::Shift), "-");
}

TEST_F(ChannelTable, EachEditIsOneUndoStepAndTheMemoryGridFollows) {
    StartOnChannels();
    TypeIntoCell(3, TTableColumn::Name, "HOME");
    EXPECT_EQ(Form->Grids->StringGrid1->item(3, 3)->text(), "HOME");
    // Escape takes an edit back before it is stored.
    TypeIntoView(Page().Table, "X");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(Cell(4, TTableColumn::Name), "RPT");
    Form->Menu.Undo->trigger();
    EXPECT_EQ(Channel(3), kChannel3);
    EXPECT_EQ(Cell(3, TTableColumn::Name), "CLUB");
    EXPECT_FALSE(Form->Menu.Undo->isEnabled());
}

TEST_F(ChannelTable, ACheckCellTicksWithAClickAndTabStoresAndGoesRight) {
    TChannelsPage& page = StartOnChannels();
    const QRect narrow = page.Table->visualRect(
        page.Table->model()->index(3, static_cast<int>(TTableColumn::Narrow)));
    // The check mark sits at the cell's left edge.
    QTest::mouseClick(page.Table->viewport(), Qt::LeftButton, {},
                      QPoint(narrow.left() + 9, narrow.center().y()));
    EXPECT_EQ(page.Model->index(3, static_cast<int>(TTableColumn::Narrow)).data(Qt::CheckStateRole),
              Qt::Checked);
    EXPECT_NE(Channel(3), kChannel3);
    EXPECT_TRUE(Form->Menu.Undo->isEnabled());

    page.SelectRows({4}, static_cast<int>(TTableColumn::RxFrequency));
    TypeIntoView(page.Table, "146");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(Cell(4, TTableColumn::RxFrequency), "146.000");
    EXPECT_EQ(page.CurrentRow(), 4);
    EXPECT_EQ(page.Table->currentIndex().column(), static_cast<int>(TTableColumn::Shift));
}

TEST_F(ChannelTable, FilterAndUsedOnlyNarrowTheRows) {
    TChannelsPage& page = StartOnChannels();
    const int all = page.Table->model()->rowCount();
    EXPECT_EQ(all, TableRowCount(Form->Data()));
    page.UsedOnlyBox->click();
    EXPECT_EQ(page.Table->model()->rowCount(), 2);
    TypeText(page.FilterEdit, "145-146");
    ASSERT_EQ(page.Table->model()->rowCount(), 1);
    EXPECT_EQ(page.Table->model()->index(0, 0).data().toString(), Cell(3, TTableColumn::Channel));
    page.FilterEdit->clear();
    page.UsedOnlyBox->click();
    EXPECT_EQ(page.Table->model()->rowCount(), all);
}

TEST_F(ChannelTable, InsertAndMoveKeepTheSelectionOnTheRows) {
    TChannelsPage& page = StartOnChannels();
    page.SelectRows({3});
    page.InsertButton->click();
    EXPECT_EQ(Channel(3), "");
    EXPECT_EQ(Settings(Channel(4)), Settings(kChannel3));
    EXPECT_EQ(page.SelectedRows(), std::vector<int>{3});

    page.SelectRows({4, 5});
    page.MoveUpButton->click();
    EXPECT_EQ(page.SelectedRows(), (std::vector<int>{3, 4}));
    EXPECT_EQ(Settings(Channel(3)), Settings(kChannel3));
    EXPECT_EQ(Settings(Channel(4)), Settings(kChannel4));
    page.MoveDownButton->click();
    EXPECT_EQ(page.SelectedRows(), (std::vector<int>{4, 5}));

    // Undo takes the moves and the insertion back one by one.
    for (int steps = 0; steps < 3; ++steps) Form->Menu.Undo->trigger();
    EXPECT_EQ(Channel(3), kChannel3);

    Form->Data().SetChannel(Form->Data().ChannelCount(), kChannel3);
    page.SelectRows({3});
    page.InsertButton->click();
    EXPECT_EQ(page.MessageLine->text(), "The last channel is in use; nothing was inserted.");
    EXPECT_EQ(Channel(3), kChannel3);
}

TEST_F(ChannelTable, FillDownAndLockOutActOnTheSelectedRows) {
    TChannelsPage& page = StartOnChannels();
    page.SelectRows({3}, static_cast<int>(TTableColumn::Name));
    page.FillDownButton->click();
    EXPECT_TRUE(page.MessageLine->text().startsWith("Select two or more rows"));
    page.SelectRows({3, 4});
    page.FillDownButton->click();
    EXPECT_EQ(Cell(4, TTableColumn::Name), "CLUB");

    const auto locked = [this](int row) {
        return Page()
            .Model->index(row, static_cast<int>(TTableColumn::Lockout))
            .data(Qt::CheckStateRole);
    };
    page.LockoutButton->click();
    EXPECT_EQ(locked(3), Qt::Checked);
    EXPECT_EQ(locked(4), Qt::Checked);
    page.LockoutButton->click();
    EXPECT_EQ(locked(4), Qt::Unchecked);
    EXPECT_EQ(page.SelectedRows(), (std::vector<int>{3, 4}));
}

TEST_F(ChannelTable, CopyPutsRowsAsTabSeparatedTextAndPasteFillsFromTheSelectedRow) {
    TChannelsPage& page = StartOnChannels();
    page.SelectRows({3, 4});
    Form->Menu.Copy1->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->hasFormat(ClipboardMimeType()));
    const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains("Frequency\t"));
    EXPECT_TRUE(lines[2].contains("147.5"));

    page.SelectRows({20});
    Messages.Answer(TMessageAnswer::Ok);
    Form->Menu.Paste1->trigger();
    EXPECT_EQ(Messages.Texts().value(0).left(20), "2 channels imported,");
    EXPECT_EQ(Cell(20, TTableColumn::RxFrequency), "145.500");
    EXPECT_EQ(Cell(21, TTableColumn::Name), "RPT");

    page.SelectRows({20, 21});
    Form->Menu.Delete1->trigger();
    EXPECT_EQ(Channel(20) + Channel(21), "");
    Form->Menu.Undo->trigger();
    EXPECT_EQ(Cell(21, TTableColumn::Name), "RPT");
}

}  // namespace
