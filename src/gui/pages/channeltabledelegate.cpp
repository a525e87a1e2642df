#include "gui/pages/channeltabledelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSortFilterProxyModel>

#include "gui/kit/contrast.h"
#include "gui/pages/channeltablemodel.h"

namespace {

// The view shows the rows through the filter; the choices come from the table itself.
QStringList ChoicesOf(const QModelIndex& index) {
    const auto* filter = qobject_cast<const QSortFilterProxyModel*>(index.model());
    const QModelIndex source = filter ? filter->mapToSource(index) : index;
    const auto* table = qobject_cast<const TChannelTableModel*>(source.model());
    return table ? table->Choices(source) : QStringList();
}

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

// Against the selected row and against the table around it; the palette's own text
// colours first, so that a palette made for contrast keeps its choice.
QColor FrameColour(const QStyleOptionViewItem& option) {
    const QPalette& palette = option.palette;
    const QPalette::ColorGroup group = GroupOf(option);
    return ContrastingColour(
        {palette.color(group, QPalette::Text), palette.color(group, QPalette::HighlightedText),
         palette.color(group, QPalette::Highlight)},
        {palette.color(group, QPalette::Highlight), palette.color(group, QPalette::Base),
         palette.color(group, QPalette::Window)},
        TChannelTableDelegate::kFrameContrast);
}

}  // namespace

QWidget* TChannelTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    if (TChannelTableModel::IsCheckColumn(index.column())) return nullptr;
    const QStringList choices = ChoicesOf(index);
    if (choices.isEmpty()) {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        return line;
    }
    // Each item shows its translated text and keeps the English one the table takes.
    auto* list = new QComboBox(parent);
    for (const QString& choice : choices) list->addItem(TChannelTableModel::Shown(choice), choice);
    return list;
}

void TChannelTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // An unused row's list shows no choice, so closing it stores nothing.
        list->setCurrentIndex(list->findData(text));
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setText(text);
}

void TChannelTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, list->currentData().toString(), Qt::EditRole);
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

void TChannelTableDelegate::initStyleOption(QStyleOptionViewItem* option,
                                            const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(TChannelTableModel::kUnusedRowRole).toBool()) return;
    // An unused row shows only its label, dimmed.
    QPalette& palette = option->palette;
    const QPalette::ColorGroup group = GroupOf(*option);
    palette.setColor(group, QPalette::Text,
                     ReadableColour(palette.color(QPalette::Disabled, QPalette::Text),
                                    palette.color(group, QPalette::Text),
                                    palette.color(group, QPalette::Base), kLabelContrast));
}

// The style's dotted focus rectangle is hardly seen on a selected row: the current cell
// gets a frame of its own instead.
void TChannelTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const bool current = option.state & QStyle::State_HasFocus;
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!current) return;
    painter->save();
    QPen pen(FrameColour(option), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = kFrameWidth / 2;
    painter->drawRect(option.rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter->restore();
}
