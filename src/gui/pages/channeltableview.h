#pragma once

#include <QPersistentModelIndex>
#include <QString>
#include <QTableView>

// The channel table's view, kept by the keyboard as a spreadsheet is: typing
// starts an edit, Enter stores it and goes down a row, Tab goes right, Escape
// takes the edit back, Ctrl+Tab and Ctrl+Shift+Tab leave the table. A move to
// another row selects that row (Shift extends the selection), so the rows the
// commands act on are always the rows shown selected.
class TChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit TChannelTableView(QWidget* parent);

    // The edit being stored was refused: Enter leaves the keyboard on its cell.
    void StayOnRefusedCell() { RefusedEdit = true; }
    // Stores the cell being edited, staying on it; true when there was none. A
    // refused value keeps the edit open (the refusal has been told).
    bool StoreOpenEdit();
    // Opens again, with the text that was refused, an edit left for another control.
    void ReopenRefusedEdit();

signals:
    // Shift+F10 or the menu key: the right-click menu is wanted at the current cell.
    void MenuKeyPressed();
    // An edit was refused as the keyboard left for another page or control.
    void EditRefusedOnLeaving();

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void HeaderClicked(int column);
    void KeepRefusedText(QWidget* editor);

    bool RefusedEdit = false;
    QPersistentModelIndex RefusedIndex;
    QString RefusedText;
};
