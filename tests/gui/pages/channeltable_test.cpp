#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "core/model/channeltable.h"
#include "gui/editors/editorfixture.h"
#include "gui/editors/memoryform.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/kit/contrast.h"
#include "gui/kit/reportdialog.h"
#include "gui/pages/channelspage.h"
#include "gui/pages/channeltablemodel.h"
#include "support/startranslator.h"

namespace {

const char kChannel3[] = "003,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,CLUB";
const char kChannel4[] = "004,0147500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";

// Reverse, beat shift, FM narrow and lock-out ticked.
const char kTicked[] = "039,0146000000,3,0,1,0,0,0,08,08,000,00600000,1,1,0000000000,0,1,,TICK";
// Rows as other programs copy them: no header, the CSV layout's columns.
const QString kOtherProgramRows =
    "1\tONE\t146.520000\t\t0.600000\t\t88.5\t88.5\t023\tNN\t023\tTone->Tone\tFM\t5."
    "00\t\t\t\t\t\t\t\r\n"
    "2\tTWO\t147.000000\t+\t0.600000\tTone\t100.0\t88.5\t023\tNN\t023\tTone->Tone\tNFM\t5.00\tS\t\t"
    "\t\t\t\t\r\n"
    "3\tTHREE\t147.500000\t\t0.600000\t\t88.5\t88.5\t023\tNN\t023\tTone->Tone\tFM\t5."
    "00\t\t\t\t\t\t\t"
    "\r\n";

// A record without its label: two channels hold the same settings when these match.
std::string Settings(const std::string& record) {
    return record.substr(record.find(','));
}

// The same record at another channel.
std::string At(const std::string& record, const char* label) {
    return label + Settings(record);
}

// Presses a key where the keyboard is, as the user does.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The colour of a grabbed pixel, and the best contrast any pixel of an area has with a colour.
QColor Pixel(const QImage& image, QPoint at) {
    return image.pixelColor(at);
}
double BestContrast(const QImage& image, const QRect& area, const QColor& against) {
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, ContrastRatio(image.pixelColor(x, y), against));
    }
    return best;
}

// An RV-310 window showing its Channels page, channels 3 and 4 in use.
class ChannelTable : public MainFormTest {
protected:
    TChannelsPage& StartOnChannels() {
        StoreConfiguration("RV-310", "MED");
        Start().Data().SetChannel(3, kChannel3);
        Form->Data().SetChannel(4, kChannel4);
        Form->RefreshGrids();
        Form->UndoCommands->Reset();
        Form->PageTabs->setCurrentWidget(Form->ChannelsTab);
        Page().Table->setFocus();
        return Page();
    }

    TChannelsPage& Page() const { return *Form->ChannelsPage; }
    QModelIndex Shown(int row, TTableColumn column) const {
        const QAbstractItemModel* model = Page().Table->model();
        for (int shown = 0; shown < model->rowCount(); ++shown) {
            const QModelIndex index = model->index(shown, static_cast<int>(column));
            if (Page().Filter->mapToSource(index).row() == row) return index;
        }
        return {};
    }
    std::string Record(int row) const { return Channel(Form->Data().RecordIndexOfPosition(row)); }
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
        Retype(editor.RxFrequencyEdit, frequency);
        if (rounded) Messages.Answer(TMessageAnswer::Ok);
        Click(editor.OKButton);
        return Channel(position);
    }
};

TEST_F(ChannelTable, MemoryPageStaysFirstAndOnlyTheTableWidensTheWindow) {
    StoreConfiguration("RV-310", "MED");
    Start();
    EXPECT_EQ(Form->PageTabs->currentWidget(), Form->MemoryTab);
    EXPECT_EQ(Form->PageTabs->tabText(1), "Ch&annels");
    const QSize design = Form->size();
    Form->PageTabs->setCurrentWidget(Form->ChannelsTab);
    EXPECT_GT(Form->width(), design.width());
    QTRY_VERIFY(!Page().Table->horizontalScrollBar()->isVisible());
    Form->PageTabs->setCurrentWidget(Form->MemoryTab);
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
    EXPECT_FALSE(Form->UndoCommands->Undo->isEnabled());
    EXPECT_TRUE(Messages.Shown().empty());
    // The reasons are said in the window's language, a value put into its pattern.
    const TStarTranslator translator;
    TypeIntoCell(3, TTableColumn::RxFrequency, "1..4");
    EXPECT_EQ(Page().MessageLine->text(), QString(kInvalidFrequency) + "*");
    TypeIntoCell(3, TTableColumn::Name, "TOOLONG");
    EXPECT_EQ(Page().MessageLine->text(), "A memory name holds at most 6 characters.*");
    TypeIntoCell(3, TTableColumn::Name, "A_B");
    EXPECT_EQ(Page().MessageLine->text(),
              "A memory name takes only the letters A to Z, the digits 0 to 9, the space, \"-\" "
              "and \"/\".*");
}

TEST_F(ChannelTable, TranslatedChoicesShowButTheEnglishChoiceIsStored) {
    StartOnChannels();
    // The English choice typed into the cell, then taken back.
    TypeIntoCell(3, TTableColumn::Shift, "-");
    const std::string typed = Channel(3);
    ASSERT_NE(typed, kChannel3);
    Form->UndoCommands->Undo->trigger();
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
    EXPECT_EQ(Form->Grids->MemoryGrid->item(3, 3)->text(), "HOME");
    // Escape takes an edit back before it is stored.
    TypeIntoView(Page().Table, "X");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(Cell(4, TTableColumn::Name), "RPT");
    Form->UndoCommands->Undo->trigger();
    EXPECT_EQ(Channel(3), kChannel3);
    EXPECT_EQ(Cell(3, TTableColumn::Name), "CLUB");
    EXPECT_FALSE(Form->UndoCommands->Undo->isEnabled());
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
    EXPECT_TRUE(Form->UndoCommands->Undo->isEnabled());

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
    // The row found stays in view when the filter is cleared.
    TypeText(page.FilterEdit, "PR");
    ASSERT_EQ(page.Table->model()->rowCount(), 1);
    page.Table->setCurrentIndex(page.Table->model()->index(0, 1));
    page.FilterEdit->clear();
    EXPECT_EQ(page.CurrentRow(), TableRowCount(Form->Data()) - 1);
    EXPECT_TRUE(page.Table->viewport()->rect().contains(
        page.Table->visualRect(page.Table->currentIndex())));
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
    for (int steps = 0; steps < 3; ++steps) Form->UndoCommands->Undo->trigger();
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
    // Refusals come in red, one channel a line.
    Form->Data().SetChannel(5, At(kChannel4, "005"));
    page.SelectRows({3, 4, 5}, static_cast<int>(TTableColumn::ToneFrequency));
    page.FillDownButton->click();
    EXPECT_EQ(page.MessageLine->text(),
              "Channel 004: Choose Tone or CTCSS as the tone mode first.\n"
              "Channel 005: Choose Tone or CTCSS as the tone mode first.");
    EXPECT_TRUE(page.MessageLine->styleSheet().contains("red"));
    page.SelectRows({3, 4});

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
    QTest::keyClick(page.Table, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->hasFormat(ClipboardMimeType()));
    const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains("Frequency\t"));
    EXPECT_TRUE(lines[2].contains("147.5"));

    page.SelectRows({20});
    QTest::keyClick(page.Table, Qt::Key_V, Qt::ControlModifier);
    // A clean paste tells it in the message line, without a box to close.
    EXPECT_EQ(page.MessageLine->text(), "2 channels pasted, 0 adjusted, 0 rows skipped.");
    EXPECT_TRUE(Messages.Shown().empty());
    EXPECT_EQ(Cell(20, TTableColumn::RxFrequency), "145.500");
    EXPECT_EQ(Cell(21, TTableColumn::Name), "RPT");

    page.SelectRows({20, 21});
    Form->EditCommands->Delete->trigger();
    EXPECT_EQ(Channel(20) + Channel(21), "");
    Form->UndoCommands->Undo->trigger();
    EXPECT_EQ(Cell(21, TTableColumn::Name), "RPT");
}

// Text that is not channel rows is refused and nothing is pasted: never a record left on
// the clipboard from an earlier copy in its place.
TEST_F(ChannelTable, PasteTakesRowsWithoutAHeaderAndNeverAnOlderRecordInstead) {
    struct TCase {
        const char* Why;
        QString Text;
        QString Message;  // how the message line starts
        bool Refused;
    };
    const TCase cases[] = {
        {"rows as other programs copy them", kOtherProgramRows,
         "3 channels pasted, 0 adjusted, 0 rows skipped.", false},
        {"a frequency alone", "145.5",
         "Nothing was pasted: line 1 of the clipboard text has no tabs between its columns.", true},
        {"no text at all", "", "The clipboard holds no channels to paste.", true},
    };
    TChannelsPage& page = StartOnChannels();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Why);
        Form->Data().SetClipRecord(kChannel4);  // a record an earlier copy left
        QApplication::clipboard()->setText(c.Text);
        page.SelectRows({20});
        QTest::keyClick(page.Table, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(page.MessageLine->text().startsWith(c.Message))
            << page.MessageLine->text().toStdString();
        EXPECT_EQ(page.MessageLine->styleSheet().contains("red"), c.Refused);
        EXPECT_EQ(Cell(20, TTableColumn::RxFrequency), "146.520");
        EXPECT_EQ(Cell(21, TTableColumn::Lockout), "");
        EXPECT_EQ(
            page.Model->index(21, static_cast<int>(TTableColumn::Lockout)).data(Qt::CheckStateRole),
            Qt::Checked);
    }
    EXPECT_TRUE(Messages.Shown().empty());
}

// Rows copied and pasted in the table keep every field, and the empty ones among them
// empty their channels; one Undo takes the paste back.
TEST_F(ChannelTable, CopiedRowsPasteWithEveryFieldAndTheirGaps) {
    TChannelsPage& page = StartOnChannels();
    Form->Data().SetChannel(39, kTicked);
    Form->Data().SetChannel(43, At(kChannel4, "043"));
    for (const char* label : {"061", "062"}) {
        Form->Data().SetChannel(std::stoi(label), At(kChannel3, label));
    }
    Form->RefreshGrids();
    Form->UndoCommands->Reset();
    page.SelectRows({39});
    for (int rows = 0; rows < 4; ++rows) Press(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(page.SelectedRows(), (std::vector<int>{39, 40, 41, 42, 43}));
    Press(Qt::Key_C, Qt::ControlModifier);
    for (int rows = 0; rows < 17; ++rows) Press(Qt::Key_Down);
    ASSERT_EQ(page.SelectedRows(), std::vector<int>{60});
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Channel(60), At(kTicked, "060"));
    EXPECT_EQ(Channel(61) + Channel(62) + Channel(63), "");
    EXPECT_EQ(Channel(64), At(kChannel4, "064"));
    EXPECT_EQ(page.MessageLine->text(),
              "2 channels pasted, 0 adjusted, 0 rows skipped, 3 emptied.");
    EXPECT_TRUE(Messages.Shown().empty());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Channel(61), At(kChannel3, "061"));
    EXPECT_EQ(Channel(60), "");
}

// Under a filter a paste fills the rows shown, one after the other, and tells of the rows
// left over; Insert, which would move hidden channels, asks first.
TEST_F(ChannelTable, UnderAFilterOnlyTheRowsShownChangeUnlessTheUserSaysSo) {
    TChannelsPage& page = StartOnChannels();
    Form->Data().SetChannel(4, "");
    Form->Data().SetChannel(6, At(kChannel4, "006"));
    Form->RefreshGrids();
    page.UsedOnlyBox->click();
    ASSERT_EQ(page.Table->model()->rowCount(), 2);  // 3 and 6, hiding 4 and 5
    QApplication::clipboard()->setText(kOtherProgramRows);
    page.Table->setFocus();
    page.SelectRows({3});
    QString report;
    Dialogs.Then([&report](QDialog& dialog) {
        report = static_cast<TReportDialog&>(dialog).NotesBox->toPlainText();
        return static_cast<int>(QDialog::Accepted);
    });
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(report, "Line 3: skipped, no channel left to paste into.");
    EXPECT_EQ(page.MessageLine->text(), "2 channels pasted, 0 adjusted, 1 row skipped.");
    EXPECT_EQ(Cell(3, TTableColumn::Name), "ONE");
    EXPECT_EQ(Cell(6, TTableColumn::Name), "TWO");
    EXPECT_EQ(Channel(4) + Channel(5), "");

    // The button's letter clicks it, once its press has been shown.
    Messages.Answer(TMessageAnswer::No);
    QTest::keyClick(page.Table, Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(Messages.Texts(), QStringList{"Insert also moves 2 channels the filter hides.\n"
                                               "Do you want to insert the channel?"});
    EXPECT_EQ(Channel(4), "");
    EXPECT_EQ(Cell(3, TTableColumn::Name), "ONE");
}

// A keyboard move selects the row it lands on (a click on a column's title keeps the
// row), so Delete empties the channel the user sees selected.
TEST_F(ChannelTable, KeyboardMovesSelectTheRowTheyLandOn) {
    TChannelsPage& page = StartOnChannels();
    const int last = TableRowCount(Form->Data()) - 1;
    TypeIntoCell(last, TTableColumn::RxFrequency, "145");
    page.SelectRows({3});
    struct TMove {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Row;
    };
    const TMove moves[] = {{Qt::Key_Home, Qt::ControlModifier, 0},
                           {Qt::Key_PageDown, Qt::NoModifier, -1},
                           {Qt::Key_Down, Qt::ShiftModifier, -1},
                           {Qt::Key_End, Qt::ControlModifier, last}};
    for (const TMove& move : moves) {
        SCOPED_TRACE(move.Key);
        QTest::keyClick(page.Table, move.Key, move.Modifiers);
        if (move.Row >= 0) {
            EXPECT_EQ(page.CurrentRow(), move.Row);
        }
        if (move.Modifiers == Qt::ShiftModifier) {
            EXPECT_EQ(page.SelectedRows().size(), 2u);
        } else {
            EXPECT_EQ(page.SelectedRows(), std::vector<int>{page.CurrentRow()});
        }
    }
    QHeaderView* header = page.Table->horizontalHeader();
    const int name = static_cast<int>(TTableColumn::Name);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(name) + 4, header->height() / 2));
    EXPECT_EQ(page.Table->currentIndex().column(), name);
    EXPECT_EQ(page.SelectedRows(), std::vector<int>{last});

    QTest::keyClick(page.Table, Qt::Key_Delete);
    EXPECT_EQ(Record(last), "");
    EXPECT_EQ(Channel(3), kChannel3);
}

// Save, like every command that uses the data set, first stores the cell being edited; a
// refused value stops it. Leaving the page stores the cell too, and a refusal brings the
// user back to it.
TEST_F(ChannelTable, ACommandStoresTheCellBeingEditedFirst) {
    TChannelsPage& page = StartOnChannels();
    const QTemporaryDir folder;
    const QString path = folder.filePath("club.tvr");
    page.SelectRows({3}, static_cast<int>(TTableColumn::RxFrequency));
    TypeIntoView(page.Table, "147.000");
    Files.Choose(path);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Cell(3, TTableColumn::RxFrequency), "147.000");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("003\t0147000000"));
    EXPECT_FALSE(Form->Data().Changed);

    const auto typedText = [] {
        const auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return line ? line->text() : QString("(no edit open)");
    };
    TypeIntoView(page.Table, "1..4");
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(page.MessageLine->text(), kInvalidFrequency);
    EXPECT_EQ(typedText(), "1..4");
    EXPECT_EQ(Files.Requests().size(), 1u);

    Press(Qt::Key_Y, Qt::AltModifier);  // the Memory page
    QTRY_COMPARE(typedText(), "1..4");
    EXPECT_EQ(Form->PageTabs->currentWidget(), Form->ChannelsTab);
    Press(Qt::Key_Escape);
    TypeIntoView(page.Table, "146.5");
    Press(Qt::Key_Y, Qt::AltModifier);
    EXPECT_EQ(Form->PageTabs->currentWidget(), Form->MemoryTab);
    EXPECT_EQ(Cell(3, TTableColumn::RxFrequency), "146.500");
}

// The current cell's frame stands out from the selected row and from the table, and the
// labels of unused rows stay readable, on a light and on a dark palette.
TEST_F(ChannelTable, TheCurrentCellAndUnusedLabelsStandOutOnEveryPalette) {
    TChannelsPage& page = StartOnChannels();
    QPalette dark;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(group, QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(group, QPalette::Text, Qt::white);
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x3a, 0x3a, 0x3a));
    for (const QPalette& palette : {page.Table->palette(), dark}) {
        page.Table->setPalette(palette);
        page.SelectRows({3}, static_cast<int>(TTableColumn::RxFrequency));
        page.Table->setFocus();
        QTRY_VERIFY(page.Table->hasFocus());
        page.Table->horizontalScrollBar()->setValue(0);
        const QImage image = page.Table->viewport()->grab().toImage();
        const auto rect = [this, &page](int row, TTableColumn column) {
            return page.Table->visualRect(Shown(row, column));
        };
        ASSERT_TRUE(image.rect().contains(rect(10, TTableColumn::Channel)));
        const QRect current = rect(3, TTableColumn::RxFrequency);
        const QColor frame = Pixel(image, QPoint(current.left(), current.center().y()));
        const QRect offset = rect(3, TTableColumn::OffsetOrTx);
        const QColor selected = Pixel(image, QPoint(offset.right() - 2, offset.top() + 2));
        const QColor background = Pixel(image, rect(10, TTableColumn::RxFrequency).center());
        EXPECT_GE(ContrastRatio(frame, selected), 3.0)
            << frame.name().toStdString() << " " << selected.name().toStdString();
        EXPECT_GE(ContrastRatio(frame, background), 3.0)
            << frame.name().toStdString() << " " << background.name().toStdString();
        EXPECT_GE(BestContrast(image, rect(10, TTableColumn::Channel), background), 4.5);
    }
}

// Alt+A, Tab and Ctrl+Tab, Ctrl+F and Escape, Shift+F10 and Ctrl+E reach every part of the
// page and the memory editor, and the keyboard comes back where it was.
TEST_F(ChannelTable, TheKeyboardReachesEveryPartOfThePage) {
    StoreConfiguration("RV-310", "MED");
    Start();
    TChannelsPage& page = Page();
    Press(Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), page.Table);
    EXPECT_EQ(page.SelectedRows(), std::vector<int>{page.CurrentRow()});
    struct TStep {
        QWidget* From;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QWidget* To;
    };
    const TStep steps[] = {
        {page.FilterEdit, Qt::Key_Tab, Qt::NoModifier, page.UsedOnlyBox},
        {page.UsedOnlyBox, Qt::Key_Tab, Qt::NoModifier, page.Table},
        {page.Table, Qt::Key_Tab, Qt::NoModifier, page.Table},
        {page.Table, Qt::Key_Tab, Qt::ControlModifier, page.InsertButton},
        {page.InsertButton, Qt::Key_Tab, Qt::NoModifier, page.MoveUpButton},
        {page.LockoutButton, Qt::Key_Tab, Qt::NoModifier, Form->CommentEdit},
        {page.Table, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, page.UsedOnlyBox},
        {page.Table, Qt::Key_F, Qt::ControlModifier, page.FilterEdit},
        {page.FilterEdit, Qt::Key_Escape, Qt::NoModifier, page.Table},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.From->metaObject()->className());
        step.From->setFocus();
        QTest::keyClick(step.From, step.Key, step.Modifiers);
        QTRY_COMPARE(QApplication::focusWidget(), step.To);
    }
    EXPECT_EQ(page.Table->currentIndex().column(), static_cast<int>(TTableColumn::Shift));

    QTest::keyClick(page.Table, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(page.PopupMenu->isVisible());
    EXPECT_TRUE(page.PopupMenu->actions().contains(Form->EditCommands->ChannelEditor));
    page.PopupMenu->hide();

    page.SelectRows({4}, static_cast<int>(TTableColumn::Step));
    page.Table->setFocus();
    int position = -1;
    Dialogs.Then([&position](QDialog& dialog) {
        position = static_cast<TMemoryForm&>(dialog).Position();
        return static_cast<int>(QDialog::Rejected);
    });
    QTest::keyClick(page.Table, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(position, 4);
    QTRY_COMPARE(QApplication::focusWidget(), page.Table);
    EXPECT_EQ(page.Table->currentIndex(), Shown(4, TTableColumn::Step));
}

// Where the configuration has no memory names the table offers no Name column.
TEST_F(ChannelTable, TheNameColumnIsOfferedOnlyWhereNamesExist) {
    for (const auto& [count, shown] : {std::pair{"99", true}, std::pair{"199", false}}) {
        SCOPED_TRACE(count);
        StoreConfiguration("RV-310", "MED");
        Temp.Set(QStringLiteral("Channel1"), QString::fromLatin1(count));
        Start();
        EXPECT_EQ(Form->Data().ChannelCount(), std::stoi(count));
        EXPECT_EQ(Page().Table->isColumnHidden(static_cast<int>(TTableColumn::Name)), !shown);
    }
}

}  // namespace
