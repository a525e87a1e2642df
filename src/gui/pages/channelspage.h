#pragma once

#include <QObject>
#include <QTableView>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class TChannelRowFilter;
class TChannelTableModel;
class TWorkspace;

// The table's view: typing starts an edit, Enter stores it and goes down a
// row, Tab goes right, Escape takes the edit back.
class TChannelTableView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // The edit being stored was refused: Enter leaves the keyboard on its cell.
    void StayOnRefusedCell() { RefusedEdit = true; }

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool RefusedEdit = false;
};

// The "Channels" page: every memory channel's fields in one editable grid,
// with a filter over it, the row commands beside it and a message line under it.
class TChannelsPage : public QObject {
    Q_OBJECT
public:
    TChannelsPage(QWidget& page, TWorkspace& workspace);

    // The data set changed: the table shows it again, keeping the selection where it can.
    void Refresh();
    // The selected rows as the table counts them (channel positions), in order.
    std::vector<int> SelectedRows() const;
    // Selects the rows and makes the first the current one, in `column` (by
    // default the current column, the frequency when there is none).
    void SelectRows(const std::vector<int>& rows, int column = -1);
    // The width the table needs to show every column side by side.
    int WidthWanted() const;
    // The position of the current row, -1 when there is none.
    int CurrentRow() const;
    // Tells something in the message line under the grid; a refusal in red.
    void ShowMessage(const QString& text, bool refusal = false);

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

private:
    void BuildTable(QWidget& page);
    void SizeColumns();
    QLayout* BuildFilterRow(QWidget& page);
    QLayout* BuildButtonRow(QWidget& page);
    void BuildPopupMenu();
    void ConnectCommands();
    void ApplyFilter();
    int CurrentColumn() const;
    // After a command changed the data set: the change is shown and becomes one undo step.
    void Commit();

    TWorkspace& Workspace;
};
