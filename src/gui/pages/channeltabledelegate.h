#pragma once

#include <QStyledItemDelegate>

// The editors of the channel table's cells: a list of the choices for the
// drop-down columns, a line for the typed ones; the check columns are ticked
// in place and open none.
class TChannelTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
