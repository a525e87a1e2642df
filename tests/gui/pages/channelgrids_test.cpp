#include "gui/pages/channelgrids.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "support/mainformfixture.h"
#include "support/startranslator.h"

namespace {

QString Cell(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row - 1, column);
    return item ? item->text() : QString();
}

QStringList Panels(TMainForm& form) {
    QStringList texts;
    for (QLabel* panel : form.StatusPanels->Panels) texts.append(panel->text());
    return texts;
}

// The span of columns of a picture that hold ink (dark pixels): {first, last},
// or {-1, -1} for a blank picture.
std::pair<int, int> InkSpan(const QImage& picture) {
    std::pair<int, int> span{-1, -1};
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (qGray(picture.pixel(x, y)) >= 128) continue;
            if (span.first < 0) span.first = x;
            span.second = x;
            break;
        }
    }
    return span;
}

class ChannelGrids : public MainFormTest {
protected:
    TChannelGrids& Grids() { return *Form->Grids; }
};

TEST_F(ChannelGrids, HandheldUsCanadaLayoutHasNamesAndTheAlRow) {
    StoreConfiguration("PX-A5", "AKF0");
    Start();
    QTableWidget* memory = Grids().MemoryGrid;
    EXPECT_EQ(memory->rowCount() + 1, 59);
    EXPECT_EQ(memory->horizontalHeaderItem(1)->text(), " ch.");
    EXPECT_EQ(memory->horizontalHeaderItem(3)->text(), " Name");
    EXPECT_EQ(Cell(memory, 1, 1), "00");
    EXPECT_EQ(Cell(memory, 51, 1), "L0");
    EXPECT_EQ(Cell(memory, 58, 1), "AL");
    EXPECT_EQ(Cell(memory, 58, 2), "162.550");
    EXPECT_EQ(Cell(Grids().VfoGrid, 1, 1), "144MHz");
    EXPECT_EQ(Cell(Grids().VfoGrid, 1, 2), "144.000");
    EXPECT_EQ(Cell(Grids().DtmfGrid, 10, 1), "9");
    EXPECT_EQ(Grids().MemoryGroupBox->title(), "&Memory Channel");
}

TEST_F(ChannelGrids, LargeMobileCountHidesNames) {
    StoreConfiguration("RV-310", "MKF");
    Temp.Set("Channel1", "199");
    TMainForm& form = Start();
    form.Data().SetChannel(150,
                           "150,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,1,,RPT");
    form.RefreshGrids();
    QTableWidget* memory = Grids().MemoryGrid;
    EXPECT_EQ(memory->rowCount() + 1, 209);
    EXPECT_EQ(memory->horizontalHeaderItem(3)->text(), "");
    EXPECT_EQ(Cell(memory, 101, 1), "100");
    EXPECT_EQ(Cell(memory, 151, 0), "*");
    // The mark is plainly visible: drawn whole, away from its cell's edges.
    EXPECT_GE(memory->columnWidth(0), memory->fontMetrics().horizontalAdvance('*') + 8);
    form.show();
    memory->scrollToItem(memory->item(150, 0));
    const QRect cell = memory->visualItemRect(memory->item(150, 0)).adjusted(1, 1, -1, -1);
    const auto [first, last] = InkSpan(memory->viewport()->grab(cell).toImage());
    EXPECT_GE(last - first, 3) << first << ".." << last << " in " << cell.width();
    EXPECT_GT(first, 0);
    EXPECT_LT(last, cell.width() - 1);
    EXPECT_EQ(Cell(memory, 151, 2), "145.500");
    EXPECT_EQ(Cell(memory, 151, 3), "");
}

TEST_F(ChannelGrids, SelectingRowsFillsTheStatusBarAndBoldsTheCaption) {
    StoreConfiguration("PX-A7", "AEB0");
    TMainForm& form = Start();
    form.Data().SetChannel(2, "02,0430000000,6,1,1,1,0,0,12,08,000,01600000,0,0,0000000000,0,0,,");
    form.RefreshGrids();
    Grids().MemoryGrid->setFocus();
    Grids().SelectRow(TChannelGrids::kMemoryGrid, 3);
    EXPECT_EQ(Grids().CurrentGrid, TChannelGrids::kMemoryGrid);
    EXPECT_TRUE(Grids().MemoryGroupBox->font().bold());
    EXPECT_FALSE(Grids().VfoGroupBox->font().bold());
    EXPECT_FALSE(Grids().MemoryGrid->font().bold());
    EXPECT_EQ(Panels(form), (QStringList{"Offset : 1.60MHz", "+ R", "T : 100.0Hz", ""}));

    QTest::mouseClick(Grids().VfoGrid->viewport(), Qt::LeftButton, {},
                      Grids().VfoGrid->visualItemRect(Grids().VfoGrid->item(0, 1)).center());
    EXPECT_EQ(Grids().CurrentGrid, TChannelGrids::kVfoGrid);
    EXPECT_TRUE(Grids().VfoGroupBox->font().bold());
    EXPECT_EQ(Panels(form).last(), "Programmable VFO : 430-439");
    for (QLabel* panel : form.StatusPanels->Panels) {
        QTRY_VERIFY(panel->contentsRect().width() >=
                    panel->fontMetrics().horizontalAdvance(panel->text()));
    }
    // On the screen the last panel's text is drawn to its end, not cut.
    form.show();
    QLabel* last = form.StatusPanels->Panels.last();
    const auto ink = InkSpan(last->grab(last->contentsRect()).toImage());
    EXPECT_GE(ink.second - ink.first + 3, last->fontMetrics().horizontalAdvance(last->text()) -
                                              last->fontMetrics().horizontalAdvance(' ') * 2)
        << ink.first << ".." << ink.second;

    Grids().DtmfGrid->setFocus();
    EXPECT_EQ(Panels(form), (QStringList{"", "", "", ""}));
}

TEST_F(ChannelGrids, StatusBarShowsItsLabelsTranslatedAndTheValuesAsTheyAre) {
    StoreConfiguration("PX-A7", "AEB0");
    TMainForm& form = Start();
    form.Data().SetChannel(2, "02,0430000000,6,1,1,1,0,0,12,08,000,01600000,0,0,0000000000,0,0,,");
    form.RefreshGrids();
    const TStarTranslator translator;
    Grids().MemoryGrid->setFocus();
    Grids().SelectRow(TChannelGrids::kMemoryGrid, 3);
    EXPECT_EQ(Panels(form), (QStringList{"Offset* : 1.60MHz", "+ R", "T : 100.0Hz", ""}));
    Grids().VfoGrid->setFocus();
    Grids().SelectRow(TChannelGrids::kVfoGrid, 1);
    EXPECT_EQ(Panels(form).last(), "Programmable VFO* : 430-439");
}

TEST_F(ChannelGrids, OtherPagesDisableEditingAndEmptyTheStatusBar) {
    StoreConfiguration("PX-A7", "AEB0");
    TMainForm& form = Start();
    Grids().VfoGrid->setFocus();
    ASSERT_FALSE(Panels(form).last().isEmpty());
    form.PageTabs->setCurrentWidget(form.MenuTab);
    // The Edit menu stays for Undo and Redo; its channel commands rest.
    EXPECT_FALSE(form.EditCommands->Copy->isEnabled() ||
                 form.EditCommands->MemorySort->isEnabled());
    EXPECT_FALSE(form.ToolbarButtons.CopyButton->isEnabled());
    EXPECT_FALSE(form.ToolbarButtons.PasteButton->isEnabled());
    EXPECT_EQ(Panels(form), (QStringList{"", "", "", ""}));
    form.PageTabs->setCurrentWidget(form.MemoryTab);
    EXPECT_TRUE(form.EditCommands->Copy->isEnabled() && form.EditCommands->MemorySort->isEnabled());
    EXPECT_TRUE(form.ToolbarButtons.CopyButton->isEnabled());
    EXPECT_FALSE(form.ToolbarButtons.CutButton->isEnabled());  // no Cut on the VFO
    EXPECT_EQ(Panels(form).last(), "Programmable VFO : 430-439");
}

TEST_F(ChannelGrids, DoubleClickAndEnterAskForTheEditor) {
    StoreConfiguration("PX-A7", "AEB0");
    Start();
    QSignalSpy requests(&Grids(), &TChannelGrids::EditorRequested);
    QStringList opened;
    for (int editor = 0; editor < 2; ++editor) {
        Dialogs.Then([&opened](QDialog& dialog) {
            opened.append(QString::fromLatin1(dialog.metaObject()->className()));
            return static_cast<int>(QDialog::Rejected);
        });
    }
    QTableWidget* dtmf = Grids().DtmfGrid;
    const QPoint cell = dtmf->visualItemRect(dtmf->item(2, 1)).center();
    QTest::mouseClick(dtmf->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(dtmf->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(requests.size(), 1);
    dtmf->setFocus();
    QTest::keyClick(dtmf, Qt::Key_Return);
    QTest::keyClick(dtmf, Qt::Key_A);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0][0].toInt(), TChannelGrids::kDtmfGrid);
    EXPECT_EQ(requests[1][0].toInt(), TChannelGrids::kDtmfGrid);
    EXPECT_EQ(opened, (QStringList{"TDtmfForm", "TDtmfForm"}));
}

TEST_F(ChannelGrids, RightButtonSelectsTheRowUnderThePointerOrTheTopRow) {
    StoreConfiguration("RV-350", "MC1");
    Start();
    QTableWidget* memory = Grids().MemoryGrid;
    memory->scrollToItem(memory->item(30, 1), QAbstractItemView::PositionAtTop);
    const QPoint row33 = memory->visualItemRect(memory->item(32, 1)).center();
    QTest::mousePress(memory->viewport(), Qt::RightButton, {}, row33);
    EXPECT_EQ(Grids().SelectedRow(TChannelGrids::kMemoryGrid), 33);
    QTest::mousePress(memory->horizontalHeader(), Qt::RightButton, {}, QPoint(20, 5));
    EXPECT_EQ(Grids().SelectedRow(TChannelGrids::kMemoryGrid), 31);
}

TEST_F(ChannelGrids, MemoryGridShowsFifteenRowsTitleIncluded) {
    StoreConfiguration("RV-350", "MC1");
    Start();
    QTableWidget* memory = Grids().MemoryGrid;
    const int rowHeight = memory->rowHeight(0);
    EXPECT_EQ(memory->horizontalHeader()->height(), rowHeight);
    EXPECT_EQ((memory->height() - 2 * memory->frameWidth()) / rowHeight, 15);
    EXPECT_EQ(memory->rowAt(memory->viewport()->height() - 1), 13);

    // A taller window shows more channels, not taller rows.
    Form->resize(Form->width(), Form->height() + 20 * rowHeight);
    QTRY_VERIFY(memory->rowAt(memory->viewport()->height() - 1) > 25);
    EXPECT_EQ(memory->rowHeight(0), rowHeight);
}

}  // namespace
