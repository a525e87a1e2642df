#pragma once

#include <string>

class TRadioData;

// How the data set appears in the channel grids and the status bar.

// The memory grid: row 0 is the title, rows 1..N+1 the channels 0..N, then
// L0, U0, L1, U1, L2, U2, PR and, on the U.S.A./Canada 144 MHz models, AL.
bool HasWeatherAlertRow(const TRadioData& data);
int MemoryGridRowCount(const TRadioData& data);
int RecordOfMemoryRow(const TRadioData& data, int row);
std::string MemoryRowLabel(const TRadioData& data, int row);

// The band text of the VFO and CALL grids: "144MHz", "430MHz" or "440MHz".
std::string BandText(const TRadioData& data);

// The texts of the memory grid's lock-out, frequency and name columns for one record.
struct TMemoryCells {
    std::string Lockout;
    std::string Frequency;
    std::string Name;
};
TMemoryCells MemoryCellsOf(const TRadioData& data, const std::string& record);

// The four status bar panels for a channel-like record.
struct TStatusTexts {
    std::string Frequency;  // split transmit frequency or repeater offset
    std::string Shift;
    std::string Tone;
    std::string ProgramVfo;  // only for the VFO
};
enum class TStatusSource { Memory, Vfo, Call };
TStatusTexts StatusTextsOf(const TRadioData& data, const std::string& record, TStatusSource source);
