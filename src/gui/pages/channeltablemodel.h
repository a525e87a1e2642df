#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>

#include "core/model/channeltable.h"

class TRadioData;

// Every memory channel's fields as a table: one row per position of the memory
// editor, one column per field. Edits go through the memory editor's rules; a
// refused one leaves the cell as it was and tells why.
class TChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TChannelTableModel(TRadioData& data, QObject* parent = nullptr);

    // True for the cells of a row whose channel is empty (they show only the label).
    static constexpr int kUnusedRowRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The data set changed: a changed row count resets the model, otherwise
    // every cell is shown again.
    void Refresh();
    // The drop-down choices of a cell; empty for the text and check columns.
    QStringList Choices(const QModelIndex& index) const;
    static bool IsCheckColumn(int column);
    // A choice or title as the window shows it; the table itself keeps the English one.
    static QString Shown(const QString& english);

signals:
    // A cell's value was stored; `note` tells how the rules changed it, if they did.
    void CellStored(const QString& note);
    // A cell's value was refused: nothing was stored.
    void CellRefused(const QString& reason);

private:
    bool StoreTyped(const QModelIndex& index, const QString& typed);

    TRadioData& Data;
    int Rows = 0;
};

// The rows the filter text and the "Used only" choice let through.
class TChannelRowFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    TChannelRowFilter(const TRadioData& data, QObject* parent = nullptr);

    void SetFilter(const QString& text, bool usedOnly);
    // The data set changed under the rows: they are judged again.
    void Reapply() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const TRadioData& Data;
    std::string Text;
    bool UsedOnly = false;
};
