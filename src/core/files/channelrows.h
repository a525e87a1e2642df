#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/files/csvchannels.h"

class TRadioData;

// Channel rows on the clipboard as spreadsheets take them: tab-separated text
// with the CSV layout's column names in the first line and one line per used
// numbered channel of `rows` (Location as in a CSV export).
std::string ChannelRowsText(const TRadioData& data, const std::vector<int>& rows);

// Whether a pasted text looks like channel rows: a first line naming at least
// the Frequency column, tab- or comma-separated.
bool LooksLikeChannelRows(std::string_view text);

// Pastes tab- or comma-separated rows (from a spreadsheet, another program's
// copy of rows, or the CSV layout) into the numbered channels from `firstRow`
// on, in the order of the lines (their own Location column is ignored), through
// the CSV import's rules. The report is the import's: channels stored, lines
// adjusted or skipped, and the notes; rows past the last channel are skipped
// with a note.
TCsvImport PasteChannelRows(TRadioData& data, std::string_view text, int firstRow);
