#include "gui/pages/channeltabledelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSortFilterProxyModel>

#include "gui/pages/channeltablemodel.h"

namespace {

// The view shows the rows through the filter; the choices come from the table itself.
QStringList ChoicesOf(const QModelIndex& index) {
    const auto* filter = qobject_cast<const QSortFilterProxyModel*>(index.model());
    const QModelIndex source = filter ? filter->mapToSource(index) : index;
    const auto* table = qobject_cast<const TChannelTableModel*>(source.model());
    return table ? table->Choices(source) : QStringList();
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
