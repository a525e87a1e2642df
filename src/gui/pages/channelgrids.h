#pragma once

#include <QObject>
#include <array>

class QGroupBox;
class QMenu;
class QTableWidget;
class QWidget;
class TRadioData;

// The four read-only grids of the "Memor&y" page: memory channels, VFO, CALL
// channel and DTMF memories. Grid rows are numbered as the data set counts
// them: row 0 is the title row, so data row r shows position r - 1.
class TChannelGrids : public QObject {
    Q_OBJECT
public:
    enum TGrid { kNoGrid = 0, kMemoryGrid = 1, kVfoGrid = 2, kCallGrid = 3, kDtmfGrid = 4 };

    TChannelGrids(QWidget& page, const TRadioData& data);

    void SetupGrids();
    // Sets the grids up again, each keeping its selected row where it still
    // exists; a grid with fewer rows now selects its last.
    void SetupGridsKeepingRows();
    void SetupMemoryGrid();
    void SetupDtmfGrid();
    void RefreshGrids();
    // Empties every data cell but the labels (New does this before refreshing).
    void BlankCells();

    // The selected row of a grid (1-based as above), 0 when none.
    int SelectedRow(int grid) const;
    void SelectRow(int grid, int row);
    // The record shown in a memory grid row (index into the channels).
    int RecordOfSelectedMemoryRow() const;
    // Gives the keyboard to the grid last entered, the memory grid when none was.
    void FocusCurrentGrid();
    // The menu a grid pops up on a right click or the menu key.
    void SetPopupMenu(int grid, QMenu* menu);

    int CurrentGrid = kNoGrid;

    // Each grid in its group box; the object names are the design names
    // ("StringGrid1".."StringGrid4" in the order of TGrid, "GroupBox1".."GroupBox4").
    QGroupBox* MemoryGroupBox = nullptr;
    QGroupBox* VfoGroupBox = nullptr;
    QGroupBox* CallGroupBox = nullptr;
    QGroupBox* DtmfGroupBox = nullptr;
    QTableWidget* MemoryGrid = nullptr;
    QTableWidget* VfoGrid = nullptr;
    QTableWidget* CallGrid = nullptr;
    QTableWidget* DtmfGrid = nullptr;

signals:
    // A grid was clicked, entered or its selected row changed.
    void GridEntered(int grid);
    // Double click or Enter on a grid: its editor should open on the selected row.
    void EditorRequested(int grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* Grid(int grid) const;
    int GridOf(const QObject* object) const;
    void EnterGrid(int grid);
    void ConnectGrid(int grid);
    void SelectTopVisibleRow(int grid);
    bool ShowPopupMenu(int grid, const QPoint& globalPosition);
    void SetCell(QTableWidget* grid, int row, int column, const std::string& text);

    const TRadioData& Data;
    std::array<QGroupBox*, 5> Boxes{};
    std::array<QMenu*, 5> PopupMenus{};
};
