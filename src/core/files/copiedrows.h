#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/csvchannels.h"

class TRadioData;

// Rows of the channel table copied in the program's own clipboard format, for a
// paste inside the program (this window or another one): every row keeps its
// whole record, an empty channel included, and the cells the table showed for
// it, so that a paste can tell what the target changed.

struct TCopiedRow {
    std::string Record;              // the record text; empty for an empty channel
    std::vector<std::string> Cells;  // one per table column, as TableCellText gives them
};

// The bytes of the format: one line per row, the record and the cells separated by tabs.
std::string CopiedRowsBytes(const TRadioData& data, const std::vector<int>& rows);
// The rows of such bytes, which may come from anywhere: nothing when they are not
// rows of the format (bytes outside printable ASCII, a record too long, too many rows).
std::optional<std::vector<TCopiedRow>> CopiedRowsOf(std::string_view bytes);

// Pastes the rows into the table rows `targets`, in order, as the Memory page pastes
// one record (relabelled for its place; what the place cannot take adjusted), a row
// whose frequency or step the target cannot take skipped, an empty row emptying its
// channel. Rows left over when the targets run out are skipped. Every cell that
// shows differently than it did where it was copied is noted with its channel.
TCsvImport PasteCopiedRows(TRadioData& data, const std::vector<TCopiedRow>& rows,
                           const std::vector<int>& targets);
