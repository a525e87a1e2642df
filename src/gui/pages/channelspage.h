#pragma once

#include <QObject>
#include <vector>

#include "gui/pages/channeltableview.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class TChannelRowFilter;
class TChannelTableModel;
class TRadioData;
class TWorkspace;

// The "Channels" page: every memory channel's fields in one editable grid,
// with a filter over it, the row commands beside it and a message line under it.
// The keyboard reaches all of it: Ctrl+F the filter (Escape back to the table),
// Tab from the filter through Used only, the table and the buttons.
class TChannelsPage : public QObject {
    Q_OBJECT
public:
    TChannelsPage(QWidget& page, TWorkspace& workspace);

    // The data set changed: the table shows it again, keeping the selection where it can.
    void Refresh();
    // The selected rows as the table counts them (channel positions), in order.
    std::vector<int> SelectedRows() const;
    // The rows shown from the first selected one (the current one when none is) to
    // the end, in the order shown: where a paste goes, the rows the filter hides left out.
    std::vector<int> RowsFromSelection() const;
    // Selects the rows and makes the first the current one, in `column` (by
    // default the current column, the frequency when there is none).
    void SelectRows(const std::vector<int>& rows, int column = -1);
    // The width the table needs to show every column side by side.
    int WidthWanted() const;
    // The position of the current row, -1 when there is none; the current column.
    int CurrentRow() const;
    int CurrentColumn() const;
    // Tells something in the message line under the grid; a refusal in red.
    void ShowMessage(const QString& text, bool refusal = false);
    // Gives the keyboard to the table, on its current row (the first when there is none).
    void FocusTable();
    // Stores the cell being edited; false when its value was refused (the edit stays open).
    bool StoreOpenEdit() { return Table->StoreOpenEdit(); }

    // The row commands.
    void InsertClick();
    void MoveClick(int direction);
    void FillDownClick();
    void LockoutClick();

    QLineEdit* FilterEdit = nullptr;
    QCheckBox* UsedOnlyBox = nullptr;
    TChannelTableView* Table = nullptr;
    QPushButton* InsertButton = nullptr;
    QPushButton* MoveUpButton = nullptr;
    QPushButton* MoveDownButton = nullptr;
    QPushButton* FillDownButton = nullptr;
    QPushButton* LockoutButton = nullptr;
    QLabel* MessageLine = nullptr;
    QMenu* PopupMenu = nullptr;
    TChannelTableModel* Model = nullptr;
    TChannelRowFilter* Filter = nullptr;

signals:
    // The current row changed (the status bar follows it).
    void CurrentRowChanged();
    // A double click on a channel's label: the memory editor is wanted on the current row.
    void EditorRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTable(QWidget& page);
    void SizeColumns();
    void ShowNameColumn();
    QLayout* BuildFilterRow(QWidget& page);
    QLayout* BuildButtonRow(QWidget& page);
    void BuildPopupMenu();
    void BuildKeyboardPath(QWidget& page);
    void ConnectCommands();
    void ApplyFilter();
    void ShowPopupMenuAtCurrentCell();
    bool IsRowShown(int row) const;
    // Before a command that would also change channels the filter hides: whether the user
    // wants it all the same. `trial` is the data set as the command would leave it.
    bool ConfirmHiddenChanges(const TRadioData& trial, const char* question);
    // After a command changed the data set: the change is shown and becomes one undo step.
    void Commit();

    TWorkspace& Workspace;
};
