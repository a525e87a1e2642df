#pragma once

#include <string>
#include <string_view>
#include <vector>

class TRadioData;

// The channel table: every memory channel's fields in one grid, edited in place
// through the memory editor's rules. Rows are the memory editor's positions:
// the numbered channels 0..N, then the special entries (L0..U2, PR, AL) the
// configuration has (LastEditorPosition is the last row).

enum class TTableColumn {
    Channel,        // the label ("07", " L0", "PR"); not editable
    RxFrequency,    // "145.500"
    Shift,          // "Simplex", "+", "-", "-7.6MHz" where offered, "Split"
    OffsetOrTx,     // the offset ("0.60") or, with Split, the transmit frequency
    ToneMode,       // "None", "Tone", "CTCSS", "DCS"
    ToneFrequency,  // the tone or CTCSS frequency of the list ("88.5Hz")
    DcsCode,        // "023" .. "754"
    Step,           // the step list's texts
    Reverse,        // check columns: "Yes" or ""
    BeatShift,
    Narrow,
    Lockout,
    Name,  // up to six characters where names exist
};
inline constexpr int kTableColumnCount = 13;

// The column's heading.
const char* TableColumnTitle(TTableColumn column);

// The number of rows: LastEditorPosition(data) + 1.
int TableRowCount(const TRadioData& data);
// Whether the row's channel holds a record (an empty one shows only its label).
bool IsTableRowUsed(const TRadioData& data, int row);

// The text a cell shows; "" for every column but Channel on an unused row, and
// for a column the row's configuration does not have (names, a disabled tone).
std::string TableCellText(const TRadioData& data, int row, TTableColumn column);
// Whether the cell can be edited (Channel never; Name only where names exist;
// the tone columns not on AL; Lockout where the memory editor offers it).
bool IsTableCellEditable(const TRadioData& data, int row, TTableColumn column);
// The choices of a drop-down column (Shift, ToneMode, ToneFrequency, DcsCode,
// Step); empty for the columns typed into and the check columns.
std::vector<std::string> TableCellChoices(const TRadioData& data, int row, TTableColumn column);

// One cell edited as the memory editor would store it: the row's editor
// contents with that one control changed, then saved. A check column takes
// "Yes"/"No" (also "1"/"0", "y"/"n", "x"/"", any case); a drop-down column one
// of its choices; text columns what the user typed.
struct TTableEdit {
    std::string Refusal;  // why nothing is stored (the editor's message); empty when stored
    int RecordIndex = -1;
    std::string Record;  // the record text to store at RecordIndex
    // Set when the rules changed the value: the frequency moved to fit the band
    // and step, as the editor tells it.
    std::string Note;
};
TTableEdit EditTableCell(const TRadioData& data, int row, TTableColumn column,
                         std::string_view typed);
// A refusal or note taken apart for translation: the pattern it was made from
// ("%1" standing for the value) and the value; no pattern for a fixed text.
struct TTableMessage {
    const char* Pattern = nullptr;
    std::string Value;
};
TTableMessage TableMessageOf(const std::string& text);

// Applies an edit that was not refused: stores the record and marks the data changed.
void StoreTableEdit(TRadioData& data, const TTableEdit& edit);

// Inserts an empty channel at the numbered row `row`, moving the numbered
// channels from there on down by one. False, and nothing changed, when the last
// numbered channel is in use or `row` is not a numbered channel.
bool InsertEmptyChannel(TRadioData& data, int row);
// Moves the numbered rows `rows` (sorted, no repeats) one place up (-1) or
// down (+1); the channels passed over take the freed places. False, and
// nothing changed, when a row would leave the numbered channels or a row is
// not numbered.
bool MoveChannels(TRadioData& data, const std::vector<int>& rows, int direction);
// Empties the rows' channels as Delete does (where Delete allows it). Returns
// how many were emptied.
int DeleteChannels(TRadioData& data, const std::vector<int>& rows);
// Sets or clears the lock-out of the rows' used channels where the memory
// editor offers it. Returns how many changed.
int SetChannelsLockout(TRadioData& data, const std::vector<int>& rows, bool lockout);
// Fill down: the first row's cell of `column` typed into every other used row
// of `rows`, each through EditTableCell and stored when not refused. Tells the
// refusals and notes as "Channel 07: ..." lines, in the order of the rows.
struct TFillDownReport {
    std::vector<std::string> Lines;
    int Refused = 0;  // how many of the lines are refusals
};
TFillDownReport FillDown(TRadioData& data, const std::vector<int>& rows, TTableColumn column);
// The table rows whose channel differs between two data sets of one configuration:
// what a command tried on a copy would change.
std::vector<int> ChangedTableRows(const TRadioData& before, const TRadioData& after);

// Finding: whether a row passes the filter text (matched, ignoring case,
// against the label, name and frequency text; a text like "144" or "430-440"
// also matches a frequency inside that MHz band) and the in-use choice.
bool TableRowMatches(const TRadioData& data, int row, std::string_view filter, bool usedOnly);
