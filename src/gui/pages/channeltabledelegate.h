#pragma once

#include <QStyledItemDelegate>

// The editors of the channel table's cells: a list of the choices for the
// drop-down columns, a line for the typed ones; the check columns are ticked
// in place and open none. It also paints what the palette alone would not make
// plain: a frame round the current cell that stands out from the selected row
// and from the table, and unused rows' labels dimmed but still readable.
class TChannelTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The least contrast of the current cell's frame against what is around it, and
    // of the unused rows' labels against the table: small text wants 4.5:1, and the
    // label's colour aims higher so that its letters' thin, smoothed strokes reach that.
    static constexpr double kFrameContrast = 3.0;
    static constexpr double kLabelContrast = 7.0;
    static constexpr int kFrameWidth = 2;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
