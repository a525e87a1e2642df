#include "gui/pages/channelspage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/channeltable.h"
#include "core/model/radiodata.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"
#include "gui/pages/channeltabledelegate.h"
#include "gui/pages/channeltablemodel.h"

namespace {

constexpr int kRowHeight = 18;
// F1 on the page opens the guide at its section.
constexpr int kChannelsPageHelp = 150;
constexpr int kCellPadding = 12;
// The widest text each column shows, so that the widths do not follow the data; a word
// among them is measured as the window shows it.
constexpr const char* kWidestTexts[kTableColumnCount] = {
    "000",     "000.0000", "Simplex", "000.0000", "CTCSS", "000.0Hz", "000",
    "12.5kHz", "",         "",        "",         "",      "WWWWWW"};
constexpr char kNothingInserted[] =
    QT_TRANSLATE_NOOP("TChannelsPage", "The last channel is in use; nothing was inserted.");
constexpr char kInsertNumberedOnly[] =
    QT_TRANSLATE_NOOP("TChannelsPage", "Channels are inserted among the numbered channels only.");
constexpr char kNotMoved[] = QT_TRANSLATE_NOOP(
    "TChannelsPage", "Only the numbered channels move, and not past the first or the last one.");
constexpr char kFillNeedsRows[] = QT_TRANSLATE_NOOP(
    "TChannelsPage", "Select two or more rows: the first one's value is copied into the others.");
constexpr char kInsertHiddenQuestion[] = QT_TRANSLATE_NOOP(
    "Messages",
    "Insert also moves %1 channels the filter hides.\nDo you want to insert the channel?");
constexpr char kMoveHiddenQuestion[] = QT_TRANSLATE_NOOP(
    "Messages", "The move also changes %1 channels the filter hides.\nDo you want to move?");

QString JoinedLines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts.append(QString::fromStdString(line));
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

TChannelsPage::TChannelsPage(QWidget& page, TWorkspace& workspace)
    : QObject(&page), Workspace(workspace) {
    BuildTable(page);
    MessageLine = new QLabel(&page);
    MessageLine->setObjectName(QStringLiteral("ChannelsMessage"));
    MessageLine->setWordWrap(true);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(BuildFilterRow(page));
    layout->addWidget(Table, 1);
    layout->addWidget(MessageLine);
    layout->addLayout(BuildButtonRow(page));
    BuildPopupMenu();
    BuildKeyboardPath(page);
    ConnectCommands();
    SelectRows({0});
}

void TChannelsPage::BuildTable(QWidget& page) {
    Model = new TChannelTableModel(Workspace.Data(), this);
    Filter = new TChannelRowFilter(Workspace.Data(), this);
    Filter->setSourceModel(Model);
    Table = new TChannelTableView(&page);
    Table->setObjectName(QStringLiteral("ChannelTable"));
    SetHelpContext(Table, kChannelsPageHelp);
    Table->setModel(Filter);
    Table->setItemDelegate(new TChannelTableDelegate(Table));
    Table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setWordWrap(false);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Table->horizontalHeader()->setHighlightSections(false);
    Table->horizontalHeader()->setStretchLastSection(true);
    SizeColumns();
    ShowNameColumn();
}

// Where the configuration has no memory names the column is not offered at all.
void TChannelsPage::ShowNameColumn() {
    const int name = static_cast<int>(TTableColumn::Name);
    const bool shown = Workspace.Data().HasMemoryNames();
    if (Table->isColumnHidden(name) != shown) return;
    Table->setColumnHidden(name, !shown);
    // The last column shown takes the rest of the width.
    Table->horizontalHeader()->setStretchLastSection(true);
}

void TChannelsPage::SizeColumns() {
    const QFontMetrics cells(Table->font());
    QHeaderView* header = Table->horizontalHeader();
    const QFontMetrics titles(header->font());
    for (int column = 0; column < kTableColumnCount; ++column) {
        const QString title = Model->headerData(column, Qt::Horizontal).toString();
        const int widest = std::max(titles.horizontalAdvance(title),
                                    cells.horizontalAdvance(TChannelTableModel::Shown(
                                        QString::fromLatin1(kWidestTexts[column]))));
        header->resizeSection(column, widest + kCellPadding);
    }
}

QLayout* TChannelsPage::BuildFilterRow(QWidget& page) {
    FilterEdit = new QLineEdit(&page);
    FilterEdit->setObjectName(QStringLiteral("ChannelFilter"));
    FilterEdit->setPlaceholderText(tr("Filter: name, frequency or band (430-440)"));
    FilterEdit->setClearButtonEnabled(true);
    UsedOnlyBox = new QCheckBox(tr("U&sed only"), &page);
    SetHelpContext(FilterEdit, kChannelsPageHelp);
    SetHelpContext(UsedOnlyBox, kChannelsPageHelp);
    auto* row = new QHBoxLayout;
    row->addWidget(FilterEdit, 1);
    row->addWidget(UsedOnlyBox);
    return row;
}

QLayout* TChannelsPage::BuildButtonRow(QWidget& page) {
    const auto button = [&page](const QString& caption) {
        auto* made = new QPushButton(caption, &page);
        made->setAutoDefault(false);
        SetHelpContext(made, kChannelsPageHelp);
        return made;
    };
    InsertButton = button(tr("&Insert"));
    MoveUpButton = button(tr("Move &Up"));
    MoveDownButton = button(tr("Move Do&wn"));
    FillDownButton = button(tr("Fill &Down"));
    LockoutButton = button(tr("&Lock Out"));
    auto* row = new QHBoxLayout;
    for (QPushButton* made :
         {InsertButton, MoveUpButton, MoveDownButton, FillDownButton, LockoutButton}) {
        row->addWidget(made);
    }
    row->addStretch();
    return row;
}

// The table's right-click menu repeats the row commands; the main window adds
// the Edit commands above them.
void TChannelsPage::BuildPopupMenu() {
    PopupMenu = new QMenu(Table);
    PopupMenu->setObjectName(QStringLiteral("ChannelsPopupMenu"));
    for (QPushButton* command :
         {InsertButton, MoveUpButton, MoveDownButton, FillDownButton, LockoutButton}) {
        QAction* item = PopupMenu->addAction(command->text());
        connect(item, &QAction::triggered, command, &QPushButton::click);
    }
    Table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Table, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        PopupMenu->popup(Table->viewport()->mapToGlobal(position));
    });
    connect(Table, &TChannelTableView::MenuKeyPressed, this,
            &TChannelsPage::ShowPopupMenuAtCurrentCell);
}

void TChannelsPage::ShowPopupMenuAtCurrentCell() {
    const QRect cell = Table->visualRect(Table->currentIndex());
    const QPoint corner = cell.isValid() ? cell.bottomLeft() : QPoint();
    PopupMenu->popup(Table->viewport()->mapToGlobal(corner));
}

// Filter, Used only, the table, the buttons; the main window goes on to the comment.
void TChannelsPage::BuildKeyboardPath(QWidget& page) {
    QWidget::setTabOrder(FilterEdit, UsedOnlyBox);
    QWidget::setTabOrder(UsedOnlyBox, Table);
    QWidget* previous = Table;
    for (QWidget* button :
         {InsertButton, MoveUpButton, MoveDownButton, FillDownButton, LockoutButton}) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    auto* find = new QShortcut(QKeySequence::Find, &page);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        FilterEdit->setFocus(Qt::ShortcutFocusReason);
        FilterEdit->selectAll();
    });
    FilterEdit->installEventFilter(this);
}

// Escape in the filter goes back to the table, leaving the filter as typed.
bool TChannelsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FilterEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        FocusTable();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TChannelsPage::FocusTable() {
    if (!Table->currentIndex().isValid() || SelectedRows().empty()) {
        const int row = CurrentRow();
        SelectRows({row < 0 ? 0 : row});
    }
    Table->setFocus(Qt::OtherFocusReason);
    Table->scrollTo(Table->currentIndex());
}

void TChannelsPage::ConnectCommands() {
    connect(FilterEdit, &QLineEdit::textChanged, this, &TChannelsPage::ApplyFilter);
    connect(UsedOnlyBox, &QCheckBox::toggled, this, &TChannelsPage::ApplyFilter);
    connect(InsertButton, &QPushButton::clicked, this, &TChannelsPage::InsertClick);
    connect(MoveUpButton, &QPushButton::clicked, this, [this] { MoveClick(-1); });
    connect(MoveDownButton, &QPushButton::clicked, this, [this] { MoveClick(1); });
    connect(FillDownButton, &QPushButton::clicked, this, &TChannelsPage::FillDownClick);
    connect(LockoutButton, &QPushButton::clicked, this, &TChannelsPage::LockoutClick);
    connect(Model, &TChannelTableModel::CellRefused, this, [this](const QString& reason) {
        Table->StayOnRefusedCell();
        ShowMessage(reason, true);
    });
    connect(Model, &TChannelTableModel::CellStored, this, [this](const QString& note) {
        ShowMessage(note);
        Workspace.CommitDataChange();
    });
    connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TChannelsPage::CurrentRowChanged);
    connect(Table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == static_cast<int>(TTableColumn::Channel)) emit EditorRequested();
    });
}

// The selection and the current row stay, and the current row stays in view.
void TChannelsPage::ApplyFilter() {
    const std::vector<int> rows = SelectedRows();
    const int current = CurrentRow();
    const int column = CurrentColumn();
    Filter->SetFilter(FilterEdit->text(), UsedOnlyBox->isChecked());
    SelectRows(rows, column);
    const QModelIndex shown = Filter->mapFromSource(Model->index(current, column));
    if (shown.isValid()) {
        Table->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::NoUpdate);
    }
    Table->scrollTo(Table->currentIndex());
}

bool TChannelsPage::IsRowShown(int row) const {
    return Filter->mapFromSource(Model->index(row, 0)).isValid();
}

void TChannelsPage::ShowMessage(const QString& text, bool refusal) {
    MessageLine->setStyleSheet(refusal ? QStringLiteral("color: red") : QString());
    MessageLine->setText(text);
}

void TChannelsPage::Refresh() {
    const std::vector<int> rows = SelectedRows();
    const int column = CurrentColumn();
    const int before = Model->rowCount();
    ShowNameColumn();
    Model->Refresh();
    if (Model->rowCount() == before) return;  // the selection stayed with the cells
    // A shorter table may have lost the rows: the first one is taken then.
    SelectRows(rows, column);
    if (SelectedRows().empty()) SelectRows({0}, column);
}

std::vector<int> TChannelsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows())
        rows.push_back(Filter->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int> TChannelsPage::RowsFromSelection() const {
    const std::vector<int> selected = SelectedRows();
    const int first = selected.empty() ? CurrentRow() : selected.front();
    std::vector<int> rows;
    if (first < 0) return rows;
    const QModelIndex start = Filter->mapFromSource(Model->index(first, 0));
    for (int shown = start.isValid() ? start.row() : Filter->rowCount(); shown < Filter->rowCount();
         ++shown) {
        rows.push_back(Filter->mapToSource(Filter->index(shown, 0)).row());
    }
    return rows;
}

int TChannelsPage::CurrentColumn() const {
    const QModelIndex current = Table->currentIndex();
    return current.isValid() ? current.column() : static_cast<int>(TTableColumn::RxFrequency);
}

void TChannelsPage::SelectRows(const std::vector<int>& rows, int column) {
    QItemSelection selection;
    for (int row : rows) {
        const QModelIndex index = Filter->mapFromSource(Model->index(row, 0));
        if (index.isValid()) selection.select(index, index);
    }
    if (selection.isEmpty()) return;
    const QModelIndex current = QModelIndex(selection.first().topLeft())
                                    .siblingAtColumn(column < 0 ? CurrentColumn() : column);
    QItemSelectionModel* model = Table->selectionModel();
    model->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    model->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Table->scrollTo(current);
}

int TChannelsPage::WidthWanted() const {
    return Table->horizontalHeader()->length() + Table->verticalScrollBar()->sizeHint().width() +
           2 * Table->frameWidth();
}

int TChannelsPage::CurrentRow() const {
    const QModelIndex current = Table->currentIndex();
    return current.isValid() ? Filter->mapToSource(current).row() : -1;
}

void TChannelsPage::Commit() {
    Workspace.CommitDataChange();
}

bool TChannelsPage::ConfirmHiddenChanges(const TRadioData& trial, const char* question) {
    const std::vector<int> changed = ChangedTableRows(Workspace.Data(), trial);
    const auto hidden =
        std::count_if(changed.begin(), changed.end(), [this](int row) { return !IsRowShown(row); });
    if (hidden == 0) return true;
    const QString text = QCoreApplication::translate("Messages", question).arg(hidden);
    return ::ShowMessage(Table->window(), text, TMessageStyle::YesNoQuestion) ==
           TMessageAnswer::Yes;
}

void TChannelsPage::InsertClick() {
    const int row = CurrentRow();
    if (row < 0) return;
    TRadioData trial = Workspace.Data();
    if (!InsertEmptyChannel(trial, row)) {
        const bool numbered = row <= Workspace.Data().ChannelCount();
        ShowMessage(tr(numbered ? kNothingInserted : kInsertNumberedOnly), true);
        return;
    }
    if (!ConfirmHiddenChanges(trial, kInsertHiddenQuestion)) return;
    InsertEmptyChannel(Workspace.Data(), row);
    ShowMessage({});
    Commit();
    SelectRows({row});
}

void TChannelsPage::MoveClick(int direction) {
    std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    TRadioData trial = Workspace.Data();
    if (!MoveChannels(trial, rows, direction)) {
        ShowMessage(tr(kNotMoved), true);
        return;
    }
    if (!ConfirmHiddenChanges(trial, kMoveHiddenQuestion)) return;
    MoveChannels(Workspace.Data(), rows, direction);
    ShowMessage({});
    Commit();
    for (int& row : rows) row += direction;
    SelectRows(rows);
}

void TChannelsPage::FillDownClick() {
    const std::vector<int> rows = SelectedRows();
    const int column = Table->currentIndex().column();
    if (column <= 0) return;
    if (rows.size() < 2) {
        ShowMessage(tr(kFillNeedsRows), true);
        return;
    }
    const TFillDownReport report =
        FillDown(Workspace.Data(), rows, static_cast<TTableColumn>(column));
    ShowMessage(JoinedLines(report.Lines), report.Refused > 0);
    Commit();
    SelectRows(rows);
}

// One click locks the rows out, the next lets them in again; the first used
// row tells which it is.
void TChannelsPage::LockoutClick() {
    const std::vector<int> rows = SelectedRows();
    const TRadioData& data = Workspace.Data();
    const auto used = std::find_if(rows.begin(), rows.end(),
                                   [&data](int row) { return IsTableRowUsed(data, row); });
    if (used == rows.end()) return;
    const bool locked = !TableCellText(data, *used, TTableColumn::Lockout).empty();
    if (SetChannelsLockout(Workspace.Data(), rows, !locked) == 0) return;
    ShowMessage({});
    Commit();
    SelectRows(rows);
}
