#include "gui/pages/channeltablemodel.h"

#include <QCoreApplication>

#include "core/model/radiodata.h"

namespace {

TTableColumn ColumnOf(const QModelIndex& index) {
    return static_cast<TTableColumn>(index.column());
}

QString TextOf(const std::string& text) {
    return QString::fromStdString(text);
}

// A refusal or note from the table's rules in the window's language.
QString MessageOf(const std::string& text) {
    const TTableMessage message = TableMessageOf(text);
    if (!message.Pattern) return QCoreApplication::translate("Messages", text.c_str());
    return QCoreApplication::translate("Messages", message.Pattern).arg(TextOf(message.Value));
}

// The columns whose words are choices, shown in the window's language.
bool IsChoiceColumn(TTableColumn column) {
    return column == TTableColumn::Shift || column == TTableColumn::ToneMode;
}

}  // namespace

TChannelTableModel::TChannelTableModel(TRadioData& data, QObject* parent)
    : QAbstractTableModel(parent), Data(data), Rows(TableRowCount(data)) {}

int TChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows;
}

int TChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumnCount;
}

QString TChannelTableModel::Shown(const QString& english) {
    if (english.isEmpty()) return english;
    return QCoreApplication::translate("ChannelTable", english.toUtf8().constData());
}

bool TChannelTableModel::IsCheckColumn(int column) {
    const auto field = static_cast<TTableColumn>(column);
    return field >= TTableColumn::Reverse && field <= TTableColumn::Lockout;
}

QVariant TChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const bool check = IsCheckColumn(index.column());
    switch (role) {
        case Qt::DisplayRole:
            if (check) return {};
            if (IsChoiceColumn(ColumnOf(index)))
                return Shown(TextOf(TableCellText(Data, row, ColumnOf(index))));
            return TextOf(TableCellText(Data, row, ColumnOf(index)));
        case Qt::EditRole:
            if (check) return {};
            return TextOf(TableCellText(Data, row, ColumnOf(index)));
        case Qt::CheckStateRole:
            if (!check || !IsTableRowUsed(Data, row)) return {};
            return TableCellText(Data, row, ColumnOf(index)).empty() ? Qt::Unchecked : Qt::Checked;
        case kUnusedRowRole:
            return !IsTableRowUsed(Data, row);
        default:
            return {};
    }
}

QVariant TChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Shown(QString::fromLatin1(TableColumnTitle(static_cast<TTableColumn>(section))));
}

Qt::ItemFlags TChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || !IsTableCellEditable(Data, index.row(), ColumnOf(index))) return flags;
    if (IsCheckColumn(index.column())) return flags | Qt::ItemIsUserCheckable;
    return flags | Qt::ItemIsEditable;
}

bool TChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    if (role == Qt::CheckStateRole && IsCheckColumn(index.column())) {
        const bool checked = value.toInt() == Qt::Checked;
        return StoreTyped(index, checked ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
    if (role != Qt::EditRole || IsCheckColumn(index.column())) return false;
    // An editor closed without a change stores nothing.
    if (value.toString() == data(index, Qt::EditRole).toString()) return false;
    return StoreTyped(index, value.toString());
}

bool TChannelTableModel::StoreTyped(const QModelIndex& index, const QString& typed) {
    const TTableEdit edit = EditTableCell(Data, index.row(), ColumnOf(index), typed.toStdString());
    if (!edit.Refusal.empty()) {
        emit CellRefused(MessageOf(edit.Refusal));
        return false;
    }
    StoreTableEdit(Data, edit);
    // One field may change others (a frequency moves its offset): the row is shown again.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kTableColumnCount - 1));
    emit CellStored(MessageOf(edit.Note));
    return true;
}

void TChannelTableModel::Refresh() {
    const int rows = TableRowCount(Data);
    if (rows != Rows) {
        beginResetModel();
        Rows = rows;
        endResetModel();
        return;
    }
    if (Rows > 0) emit dataChanged(index(0, 0), index(Rows - 1, kTableColumnCount - 1));
}

QStringList TChannelTableModel::Choices(const QModelIndex& index) const {
    QStringList texts;
    for (const std::string& choice : TableCellChoices(Data, index.row(), ColumnOf(index)))
        texts.append(TextOf(choice));
    return texts;
}

TChannelRowFilter::TChannelRowFilter(const TRadioData& data, QObject* parent)
    : QSortFilterProxyModel(parent), Data(data) {}

void TChannelRowFilter::SetFilter(const QString& text, bool usedOnly) {
    Text = text.trimmed().toStdString();
    UsedOnly = usedOnly;
    invalidateFilter();
}

bool TChannelRowFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return TableRowMatches(Data, sourceRow, Text, UsedOnly);
}
