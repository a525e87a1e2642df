#pragma once

#include <QtGlobal>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TRadioData;

// Memory channels to and from the CSV layout other programming programs share:
// Location, Name, Frequency (MHz), Duplex, Offset (MHz), Tone, rToneFreq,
// cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep (kHz),
// Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE.

// The columns export writes, in order.
const std::vector<std::string>& CsvChannelColumns();

// A text of the reports as a pattern with the placeholders %1, %2 ... and the
// values that fill them, so that a window can show the pattern in its language
// (the patterns are marked for translation in context "CsvChannels").
struct TCsvPhrase {
    const char* Pattern = "";
    std::vector<std::string> Values;
};

// What a note is about: a line skipped, a line stored with adjustments, the
// whole list, or a channel the export cannot carry whole; and for rows copied
// in the program's own format, a row skipped or a channel stored with changes.
enum class TCsvNoteKind { Skipped, Adjusted, WholeList, NotCarried, RowSkipped, ChannelAdjusted };

// A note in pieces: "Line 7, channel 3: " and its findings, joined with "; "
// (with ", " for the export's).
struct TCsvNote {
    TCsvNoteKind Kind = TCsvNoteKind::WholeList;
    int Line = 0;      // the list's line of a skipped or adjusted line
    int Channel = -1;  // the channel an adjusted line was stored in, or the export's
    std::vector<TCsvPhrase> Findings;
    std::string Label;  // the row a copied row was stored in ("07", "PR")
};

// The text a pattern is shown as: the English pattern itself when empty.
using TPatternText = std::function<std::string(const char* pattern)>;

std::string CsvPhraseText(const TCsvPhrase& phrase, const TPatternText& patternText = {});
std::string CsvNoteText(const TCsvNote& note, const TPatternText& patternText = {});

// What an import did. Every line that was adjusted or skipped has one entry
// in Notes ("Line 7: ..."), up to the first 1000 such lines; a note after them
// counts the rest. Texts the notes quote from the list are shown by ShownField.
// NoteParts holds the same notes in pieces, entry for entry.
struct TCsvImport {
    int Imported = 0;  // channels stored, adjusted ones included
    int Adjusted = 0;
    int Skipped = 0;
    int Emptied = 0;  // channels a paste of rows emptied, as the copied rows were empty
    std::vector<std::string> Notes;
    std::vector<TCsvNote> NoteParts;
    // Set when nothing could be read at all (no header with a Frequency column).
    std::string Problem;
};

inline constexpr char kNoChannelListMessage[] =
    QT_TRANSLATE_NOOP("Messages", "The file holds no channel list.");
inline constexpr char kNoFrequencyColumnMessage[] =
    QT_TRANSLATE_NOOP("Messages", "The file has no Frequency column, so it is not a channel list.");

// Stores the table's channels into the data set's memory channels at their
// locations (0..N of its channel count), with the band, step, offset, tone and
// name rules of the memory editor. Channels the table does not name are left
// as they are. Sets Changed when a channel was stored.
TCsvImport ImportCsvChannels(TRadioData& data, std::string_view csvText);

struct TCsvExport {
    std::string Text;  // header and one line per present channel, CR LF, UTF-8 without BOM
    int Exported = 0;
    // Channels whose settings the layout cannot carry (reverse, beat shift), and in pieces.
    std::vector<std::string> Notes;
    std::vector<TCsvNote> NoteParts;
};

// Every present memory channel 0..N, in channel order.
TCsvExport ExportCsvChannels(const TRadioData& data);
// One channel's line of the export, in the order of CsvChannelColumns; the settings the
// layout cannot carry are noted in the export's notes ("Channel 5: reverse not carried ...").
std::vector<std::string> CsvChannelFields(const TRadioData& data, int channel, TCsvExport& result);

// The summary line of an import: "12 channels imported, 2 adjusted, 1 line skipped."
std::string CsvImportSummary(const TCsvImport& import, const TPatternText& patternText = {});

// The report a user reads after an import: the summary line and the notes, one per line.
std::string CsvImportReport(const TCsvImport& import);
