#include "gui/pages/channeltableview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace {

bool IsMoveKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

bool IsMenuKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

}  // namespace

TChannelTableView::TChannelTableView(QWidget* parent) : QTableView(parent) {
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TChannelTableView::HeaderClicked);
}

bool TChannelTableView::StoreOpenEdit() {
    if (state() != EditingState) return true;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return true;
    RefusedEdit = false;
    commitData(editor);
    if (std::exchange(RefusedEdit, false)) {
        editor->setFocus();
        return false;
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void TChannelTableView::ReopenRefusedEdit() {
    if (!RefusedIndex.isValid()) return;
    const QModelIndex index = RefusedIndex;
    RefusedIndex = QPersistentModelIndex();
    setFocus();
    setCurrentIndex(index);
    if (!edit(index, AllEditTriggers, nullptr)) return;
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index))) line->setText(RefusedText);
}

void TChannelTableView::KeepRefusedText(QWidget* editor) {
    RefusedIndex = currentIndex();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        RefusedText = line->text();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        RefusedText = list->currentText();
    }
}

void TChannelTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool refused = std::exchange(RefusedEdit, false);
    // Leaving the cell for elsewhere stored the edit; a refusal brings the user back to it.
    if (refused && hint == QAbstractItemDelegate::NoHint) {
        KeepRefusedText(editor);
        QTableView::closeEditor(editor, hint);
        QMetaObject::invokeMethod(this, &TChannelTableView::EditRefusedOnLeaving,
                                  Qt::QueuedConnection);
        return;
    }
    QTableView::closeEditor(editor, hint);
    // Enter stores the edit and goes down, as in a spreadsheet.
    if (hint != QAbstractItemDelegate::SubmitModelCache || refused) return;
    const QModelIndex below = currentIndex().siblingAtRow(currentIndex().row() + 1);
    if (below.isValid()) setCurrentIndex(below);
}

void TChannelTableView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
        (event->modifiers() & Qt::ControlModifier)) {
        // Tab alone moves between the cells; with Ctrl it goes on to the next control.
        setTabKeyNavigation(false);
        focusNextPrevChild(key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        setTabKeyNavigation(true);
        return;
    }
    if (IsMenuKey(event)) {
        emit MenuKeyPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

// A move within the row keeps the selection; a move to another row selects it.
QItemSelectionModel::SelectionFlags TChannelTableView::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
    if (event == nullptr || event->type() != QEvent::KeyPress ||
        !IsMoveKey(static_cast<const QKeyEvent*>(event)->key())) {
        return QTableView::selectionCommand(index, event);
    }
    if (index.row() == currentIndex().row()) return QItemSelectionModel::NoUpdate;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Shift+Tab is a Tab backwards, not a selection.
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab && (key->modifiers() & Qt::ShiftModifier)) {
        return QTableView::selectionCommand(index, event);
    }
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

// A click on a column's title takes the current cell to that column of its row.
void TChannelTableView::HeaderClicked(int column) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    const bool selected = selectionModel()->isRowSelected(current.row(), current.parent());
    selectionModel()->setCurrentIndex(
        current.siblingAtColumn(column),
        selected ? QItemSelectionModel::NoUpdate
                 : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
