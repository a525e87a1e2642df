#include "gui/pages/channelgrids.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/channelrecord.h"
#include "core/model/channelview.h"
#include "core/model/frequencyrules.h"
#include "core/model/radiodata.h"
#include "gui/kit/helpcontext.h"

namespace {

// The design row height; the memory and DTMF grids fit theirs to their height, but a
// larger window shows more rows rather than taller ones.
constexpr int kRowHeight = 17;
constexpr int kTallestRowHeight = kRowHeight + 2;
constexpr int kMemoryVisibleRows = 15;  // title row included
constexpr int kVfoVisibleRows = 2;
constexpr int kDtmfVisibleRows = 7;
constexpr int kGridHelpContext = 200;
constexpr char kVisibleRowsProperty[] = "VisibleRows";

// Shares a grid's height out evenly over the rows that must be visible, title row included,
// with rows no taller than the design's.
void FitRowHeights(QTableWidget* grid) {
    const int visibleRows = grid->property(kVisibleRowsProperty).toInt();
    const int height = grid->height() - 2 * grid->frameWidth();
    const int rowHeight = std::clamp(height / visibleRows, 1, kTallestRowHeight);
    grid->horizontalHeader()->setFixedHeight(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
}

QFont GridFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    font.setBold(false);  // stays regular when its group box caption turns bold
    return font;
}

QTableWidget* MakeGrid(QGroupBox* box, const QString& name, QList<int> widths, int visibleRows) {
    auto* grid = new QTableWidget(box);
    grid->setObjectName(name);
    grid->setFont(GridFont());
    grid->setColumnCount(static_cast<int>(widths.size()));
    for (int column = 0; column < widths.size(); ++column)
        grid->setColumnWidth(column, widths[column]);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setProperty(kVisibleRowsProperty, visibleRows);
    grid->horizontalHeader()->setFixedHeight(kRowHeight);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(visibleRows == kMemoryVisibleRows ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAsNeeded);
    if (visibleRows == kVfoVisibleRows) {
        grid->setFixedHeight(kRowHeight * visibleRows + 2 * grid->frameWidth());
    }
    SetHelpContext(grid, kGridHelpContext);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(grid);
    return grid;
}

QGroupBox* MakeGroupBox(QWidget& page, const QString& name, const QString& title) {
    auto* box = new QGroupBox(title, &page);
    box->setObjectName(name);
    return box;
}

void SetTitles(QTableWidget* grid, const QStringList& titles) {
    grid->setHorizontalHeaderLabels(titles);
}

}  // namespace

TChannelGrids::TChannelGrids(QWidget& page, const TRadioData& data) : QObject(&page), Data(data) {
    MemoryGroupBox = MakeGroupBox(page, QStringLiteral("GroupBox1"), tr("&Memory Channel"));
    VfoGroupBox = MakeGroupBox(page, QStringLiteral("GroupBox2"), tr("&VFO"));
    CallGroupBox = MakeGroupBox(page, QStringLiteral("GroupBox3"), tr("&CALL Channel"));
    DtmfGroupBox = MakeGroupBox(page, QStringLiteral("GroupBox4"), tr("&DTMF Memory"));
    Boxes = {nullptr, MemoryGroupBox, VfoGroupBox, CallGroupBox, DtmfGroupBox};
    MemoryGrid = MakeGrid(MemoryGroupBox, QStringLiteral("StringGrid1"), {14, 27, 89, 94},
                          kMemoryVisibleRows);
    VfoGrid = MakeGrid(VfoGroupBox, QStringLiteral("StringGrid2"), {10, 73, 73}, kVfoVisibleRows);
    CallGrid = MakeGrid(CallGroupBox, QStringLiteral("StringGrid3"), {10, 73, 73}, kVfoVisibleRows);
    DtmfGrid =
        MakeGrid(DtmfGroupBox, QStringLiteral("StringGrid4"), {10, 24, 155}, kDtmfVisibleRows);
    MemoryGrid->setFixedWidth(10 + 27 + 89 + 98 +
                              MemoryGrid->verticalScrollBar()->sizeHint().width() +
                              2 * MemoryGrid->frameWidth());

    auto* right = new QVBoxLayout;
    right->addWidget(VfoGroupBox);
    right->addWidget(CallGroupBox);
    right->addWidget(DtmfGroupBox, 1);
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(MemoryGroupBox);
    layout->addLayout(right, 1);
    for (int grid = kMemoryGrid; grid <= kDtmfGrid; ++grid) ConnectGrid(grid);
}

QTableWidget* TChannelGrids::Grid(int grid) const {
    switch (grid) {
        case kMemoryGrid:
            return MemoryGrid;
        case kVfoGrid:
            return VfoGrid;
        case kCallGrid:
            return CallGrid;
        case kDtmfGrid:
            return DtmfGrid;
        default:
            return nullptr;
    }
}

int TChannelGrids::GridOf(const QObject* object) const {
    for (int grid = kMemoryGrid; grid <= kDtmfGrid; ++grid) {
        const QTableWidget* table = Grid(grid);
        if (object == table || object == table->viewport() || object == table->horizontalHeader()) {
            return grid;
        }
    }
    return kNoGrid;
}

void TChannelGrids::ConnectGrid(int grid) {
    QTableWidget* table = Grid(grid);
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    table->horizontalHeader()->installEventFilter(this);
    connect(table, &QTableWidget::cellPressed, this, [this, grid] { EnterGrid(grid); });
    connect(table, &QTableWidget::currentCellChanged, this, [this, grid, table] {
        if (table->hasFocus() || CurrentGrid == grid) EnterGrid(grid);
    });
    connect(table, &QTableWidget::cellDoubleClicked, this,
            [this, grid] { emit EditorRequested(grid); });
}

bool TChannelGrids::eventFilter(QObject* watched, QEvent* event) {
    const int grid = GridOf(watched);
    if (grid == kNoGrid) return false;
    QTableWidget* table = Grid(grid);
    if (event->type() == QEvent::Resize && watched == table) {
        FitRowHeights(table);
    } else if (event->type() == QEvent::FocusIn && watched == table) {
        EnterGrid(grid);
    } else if (event->type() == QEvent::KeyPress && watched == table) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit EditorRequested(grid);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // The popup menu acts on the row under the pointer; on the title row, on the top row.
        if (watched == table->horizontalHeader()) {
            SelectTopVisibleRow(grid);
        } else if (watched == table->viewport()) {
            const int row =
                table->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
            if (row >= 0) table->setCurrentCell(row, 1);
        }
        EnterGrid(grid);
    } else if (event->type() == QEvent::ContextMenu) {
        return ShowPopupMenu(grid, static_cast<QContextMenuEvent*>(event)->globalPos());
    }
    return false;
}

void TChannelGrids::SetPopupMenu(int grid, QMenu* menu) {
    if (grid >= kMemoryGrid && grid <= kDtmfGrid) PopupMenus[static_cast<size_t>(grid)] = menu;
}

// The menu opens without waiting for a choice; its items act on the selected row.
bool TChannelGrids::ShowPopupMenu(int grid, const QPoint& globalPosition) {
    QMenu* menu = PopupMenus[static_cast<size_t>(grid)];
    if (menu == nullptr) return false;
    menu->popup(globalPosition);
    return true;
}

void TChannelGrids::SelectTopVisibleRow(int grid) {
    QTableWidget* table = Grid(grid);
    const int top = table->rowAt(0);
    if (top >= 0) table->setCurrentCell(top, 1);
}

void TChannelGrids::FocusCurrentGrid() {
    Grid(CurrentGrid == kNoGrid ? kMemoryGrid : CurrentGrid)->setFocus();
}

void TChannelGrids::EnterGrid(int grid) {
    CurrentGrid = grid;
    for (int other = kMemoryGrid; other <= kDtmfGrid; ++other) {
        QFont font = Boxes[static_cast<size_t>(other)]->font();
        font.setBold(other == grid);
        Boxes[static_cast<size_t>(other)]->setFont(font);
    }
    emit GridEntered(grid);
}

void TChannelGrids::SetupGrids() {
    SetupMemoryGrid();
    SetTitles(VfoGrid, {QString(), tr(" Band"), tr(" Freq.")});
    SetTitles(CallGrid, {QString(), tr(" Band"), tr(" Rx(Tx) Freq.")});
    for (QTableWidget* grid : {VfoGrid, CallGrid}) {
        grid->setRowCount(1);
        SetCell(grid, 0, 1, BandText(Data));
    }
    SetupDtmfGrid();
}

void TChannelGrids::SetupGridsKeepingRows() {
    std::array<int, kDtmfGrid + 1> rows{};
    for (int grid = kMemoryGrid; grid <= kDtmfGrid; ++grid) rows[grid] = SelectedRow(grid);
    SetupGrids();
    for (int grid = kMemoryGrid; grid <= kDtmfGrid; ++grid) {
        if (rows[grid] != 0) SelectRow(grid, std::min(rows[grid], Grid(grid)->rowCount()));
    }
}

void TChannelGrids::SetupMemoryGrid() {
    SetTitles(MemoryGrid, {QString(), tr(" ch."), tr(" Rx(Tx) Freq."),
                           Data.HasMemoryNames() ? tr(" Name") : QString()});
    const int rows = MemoryGridRowCount(Data);
    MemoryGrid->setRowCount(rows - 1);
    for (int row = 1; row < rows; ++row) SetCell(MemoryGrid, row - 1, 1, MemoryRowLabel(Data, row));
}

void TChannelGrids::SetupDtmfGrid() {
    SetTitles(DtmfGrid, {QString(), tr(" No."), tr(" DTMF Code")});
    DtmfGrid->setRowCount(TRadioData::kDtmfCount);
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        SetCell(DtmfGrid, entry, 1, std::to_string(entry));
    }
}

void TChannelGrids::RefreshGrids() {
    const int rows = MemoryGrid->rowCount() + 1;
    for (int row = 1; row < rows; ++row) {
        const TMemoryCells cells =
            MemoryCellsOf(Data, Data.GetChannel(RecordOfMemoryRow(Data, row)));
        SetCell(MemoryGrid, row - 1, 0, cells.Lockout);
        SetCell(MemoryGrid, row - 1, 2, cells.Frequency);
        SetCell(MemoryGrid, row - 1, 3, cells.Name);
    }
    // A record without a frequency shows none, rather than what was there before.
    const auto frequencyOf = [](const std::string& record) {
        const std::string frequency = RecordField(record, kRxFreqField);
        return frequency.size() > 1 ? FormatFrequencyText(frequency) : std::string();
    };
    SetCell(VfoGrid, 0, 2, frequencyOf(Data.GetVfo()));
    SetCell(CallGrid, 0, 2, frequencyOf(Data.GetCall()));
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        SetCell(DtmfGrid, entry, 2, Data.GetField(TRadioData::kDtmfKind, entry, 1));
    }
}

void TChannelGrids::BlankCells() {
    for (int row = 0; row < MemoryGrid->rowCount(); ++row) {
        for (int column : {0, 2, 3}) SetCell(MemoryGrid, row, column, {});
    }
    for (QTableWidget* grid : {VfoGrid, DtmfGrid}) {
        for (int row = 0; row < grid->rowCount(); ++row) SetCell(grid, row, 2, {});
    }
}

void TChannelGrids::SetCell(QTableWidget* grid, int row, int column, const std::string& text) {
    const QString cellText = QString::fromLatin1(text);
    if (QTableWidgetItem* item = grid->item(row, column)) {
        if (item->text() != cellText) item->setText(cellText);
        return;
    }
    auto* item = new QTableWidgetItem(cellText);
    if (column == 0) {
        // The first column holds the lock-out mark, centred in its narrow column.
        item->setBackground(grid->palette().button());
        item->setTextAlignment(Qt::AlignCenter);
    }
    grid->setItem(row, column, item);
}

int TChannelGrids::SelectedRow(int grid) const {
    const QTableWidget* table = Grid(grid);
    return table && table->currentRow() >= 0 ? table->currentRow() + 1 : 0;
}

void TChannelGrids::SelectRow(int grid, int row) {
    if (QTableWidget* table = Grid(grid)) table->setCurrentCell(row - 1, 1);
}

int TChannelGrids::RecordOfSelectedMemoryRow() const {
    const int row = SelectedRow(kMemoryGrid);
    return row > 0 ? RecordOfMemoryRow(Data, row) : -1;
}
