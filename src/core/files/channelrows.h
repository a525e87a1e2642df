#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/csvchannels.h"

class TRadioData;

// Channel rows on the clipboard as spreadsheets and other programs take them:
// tab-separated text in the CSV layout's columns, one line per numbered channel
// of `rows` (Location as in a CSV export), under a line of the column names.
// An empty channel is a line holding its Location alone, so gaps stay gaps.
std::string ChannelRowsText(const TRadioData& data, const std::vector<int>& rows);

// Pastes rows of text into the numbered channels `targets` (table rows, in the
// order they are filled; their own Location column is ignored), through the CSV
// import's rules. The text either starts with a line naming a Frequency column,
// or holds rows without one in the columns ChannelRowsText writes, as other
// programs copy rows; then every line must have that shape. A line holding
// nothing but its Location empties its channel. Lines left over when the
// targets run out are skipped with a note. Text of neither kind changes
// nothing, and Problem says what it lacks.
TCsvImport PasteChannelRows(TRadioData& data, std::string_view text,
                            const std::vector<int>& targets);

// The paste's report line: "3 channels pasted, 1 adjusted, 0 rows skipped, 2 emptied."
// (the emptied channels only when there are some).
std::string ChannelPasteSummary(const TCsvImport& paste, const TPatternText& patternText = {});

// A paste that stored nothing and emptied nothing: the reason, as the user reads it.
std::string ChannelPasteFailure(const TCsvImport& paste);

// Why a line is left over when the rows outnumber the channels they go to.
inline constexpr char kNoChannelLeftPattern[] =
    QT_TRANSLATE_NOOP("CsvChannels", "no channel left to paste into");
inline constexpr char kNothingPastedMessage[] =
    QT_TRANSLATE_NOOP("Messages", "No channel could be pasted from the clipboard.");
