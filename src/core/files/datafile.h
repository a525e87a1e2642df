#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class TRadioData;

// The bytes of a data file (".tvr") for the data set: header, comment,
// memory, CALL, VFO, DTMF and menu sections, CR LF line ends, tabs between fields.
std::string WriteDataFile(const TRadioData& data);

// Writes the data file to a ".tvr" path through a temporary file in the same
// folder, so the old file stays as it was unless the new one is complete.
// Any other name is refused and left untouched. On failure `reason` (when
// given) tells why in the system's words.
bool SaveDataFile(const TRadioData& data, const QString& path, QString* reason = nullptr);

enum class TDataFileResult {
    Loaded,
    CannotOpen,    // not a ".tvr" name, or the file cannot be read
    NotADataFile,  // the first line is not the data file header
    WrongModel,    // the header names another model than the current one
};

// Loads a data file's bytes over a data set the caller has already reset
// (records cleared, defaults applied). A refused file stores nothing. A file
// that loads but was evidently cut short or damaged sets `missing` to what it
// lacks, in words ("the VFO, the DTMF memories and the menu settings"); it
// is empty for a whole file.
TDataFileResult ReadDataFile(TRadioData& data, std::string_view bytes,
                             std::string* missing = nullptr);

// Opens a data file as the File menu does: the records are reset (cleared,
// VFO, CALL and menu defaults) and the file is read over them. A file that
// cannot be opened or that the reader refuses changes nothing.
// `missing` as ReadDataFile gives it; `reason` tells why a file could not be read.
TDataFileResult OpenDataFile(TRadioData& data, const QString& path, std::string* missing = nullptr,
                             QString* reason = nullptr);

// The warning after a damaged file was opened; `missing` as ReadDataFile gives it.
std::string DamagedFileMessage(const std::string& missing);

// The message that tells the user why a file was not loaded; empty for Loaded.
const char* DataFileMessage(TDataFileResult result);

// The bytes of a data file, or nothing when it cannot be read. Files far
// larger than any data file are refused rather than read into memory.
std::optional<std::string> LoadDataFileBytes(const QString& path, QString* reason = nullptr);

// Whether a path has the data file extension ".tvr", in any letter case.
bool HasDataFileExtension(const QString& path);

inline constexpr char kFileOpenErrorMessage[] = QT_TRANSLATE_NOOP("Messages", "File Open error.");
inline constexpr char kModelMismatchMessage[] =
    QT_TRANSLATE_NOOP("Messages",
                      "The model name selected in this software does not \nmatch applicable model "
                      "name in the data file.\nYou cannot open this file.");
