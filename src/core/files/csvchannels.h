#pragma once

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

// What an import did. Every line that was adjusted or skipped has one entry
// in Notes ("Line 7: ..."), up to the first 1000 such lines; a note after them
// counts the rest. Texts the notes quote from the list are shown by ShownField.
struct TCsvImport {
    int Imported = 0;  // channels stored, adjusted ones included
    int Adjusted = 0;
    int Skipped = 0;
    std::vector<std::string> Notes;
    // Set when nothing could be read at all (no header with a Frequency column).
    std::string Problem;
};

// Stores the table's channels into the data set's memory channels at their
// locations (0..N of its channel count), with the band, step, offset, tone and
// name rules of the memory editor. Channels the table does not name are left
// as they are. Sets Changed when a channel was stored.
TCsvImport ImportCsvChannels(TRadioData& data, std::string_view csvText);

struct TCsvExport {
    std::string Text;  // header and one line per present channel, CR LF, UTF-8 without BOM
    int Exported = 0;
    // Channels whose settings the layout cannot carry (reverse, beat shift).
    std::vector<std::string> Notes;
};

// Every present memory channel 0..N, in channel order.
TCsvExport ExportCsvChannels(const TRadioData& data);
// One channel's line of the export, in the order of CsvChannelColumns; the settings the
// layout cannot carry are noted in `notes` ("Channel 5: reverse not carried ...").
std::vector<std::string> CsvChannelFields(const TRadioData& data, int channel,
                                          std::vector<std::string>& notes);

// The report a user reads after an import: a summary line ("12 channels
// imported, 2 adjusted, 1 line skipped.") and the notes, one per line.
std::string CsvImportReport(const TCsvImport& import);
