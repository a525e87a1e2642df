#pragma once

#include <string>
#include <string_view>

class TRadioData;

// What Cut, Copy, Paste, Delete and Lock Out do to the data set, and when
// they are offered, free of any window and of the system clipboard. A copied
// row travels as its record text; `ClipRecord` of the data set holds the
// text last taken from the clipboard.

// The grid a command acts on, numbered as the main window counts its current grid.
enum class TClipGrid { None = 0, Memory = 1, Vfo = 2, Call = 3, Dtmf = 4 };

// The bytes of our clipboard format for a record text: the text and a NUL.
std::string ClipBytesOf(std::string_view text);
// The text `ClipRecord` takes from bytes of our format, which may come from
// anywhere: up to the first NUL and cut to one record (99 characters). Bytes
// outside printable ASCII make no record text at all (an empty one).
std::string ClipTextFromBytes(std::string_view bytes);

// Which edit commands the main window offers.
struct TEditCommandState {
    bool Paste = false;
    bool CutDelete = false;
};
// `row` is the selected row of `grid` as the grids count it (1 the first data row, 0 none).
TEditCommandState EditCommandStateOf(const TRadioData& data, TClipGrid grid, int row,
                                     bool memoryPage);
// Whether `ClipRecord` suits the selected row of a grid.
bool PasteAllowed(const TRadioData& data, TClipGrid grid, int row);
// Whether a record text suits a row, and if not, why.
enum class TClipFit { Suits, NoRecord, OutsideBand, StepNotOffered };
TClipFit ClipFitOf(const TRadioData& data, TClipGrid grid, int row, std::string_view clip);
// Cut and Delete act on the memory and DTMF grids only.
bool CutDeleteAllowed(TClipGrid grid);

// The record text shown in a row: empty when there is none.
std::string RecordOfRow(const TRadioData& data, TClipGrid grid, int row);
// Cut: marks the data changed, empties the row's record and returns what it held;
// nothing (and nothing changed) where Delete would refuse.
std::string CutRow(TRadioData& data, TClipGrid grid, int row);
// Delete: marks the data changed and empties the row's record. False (and
// nothing changed) on the VFO and CALL grids or without a row.
bool DeleteRow(TRadioData& data, TClipGrid grid, int row);

// The text Paste stores into the row, built from `ClipRecord`, or from `clip`.
std::string PastedRecord(const TRadioData& data, TClipGrid grid, int row);
std::string PastedRecordOf(const TRadioData& data, TClipGrid grid, int row, std::string_view clip);
// Paste: when `ClipRecord` suits the row, marks the data changed and stores
// the pasted record; false (and nothing changed) otherwise.
bool PasteIntoRow(TRadioData& data, TClipGrid grid, int row);

// Lock Out is offered on the memory channel rows, not on L0 .. U2, PR and AL.
bool LockOutAllowed(const TRadioData& data, int row);
// Lock Out: toggles the channel's lock-out mark ("0" becomes "1", anything
// else "0") and marks the data changed; false for an empty channel.
bool ToggleLockout(TRadioData& data, int row);

// A pasted memory name keeps at most this many characters.
constexpr size_t kPastedNameLength = 6;
