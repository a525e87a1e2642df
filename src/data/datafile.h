#pragma once

#include <QString>
#include <string>

class TRadioData;

// The bytes of a data file (".tvr") for the data set: header, comment,
// memory, CALL, VFO, DTMF and menu sections, CR LF line ends, tabs between fields.
std::string WriteDataFile(const TRadioData& data);

// Writes the data file to a path through a temporary file in the same folder,
// so the old file stays as it was unless the new one is complete.
bool SaveDataFile(const TRadioData& data, const QString& path);
