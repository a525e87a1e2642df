#pragma once

#include <QString>

enum class TDataFileResult;

// The details that go with the program's fixed messages about files ("File
// Open error."): which file, and why, as "club.tvr: not a regular file".
// The window shows them as the message box's detail text, tavrin-cli on the
// line after the message.

// A file name with every control character shown as VisibleText shows it.
QString VisibleFileName(const QString& path);

// "name: reason" with the name made visible.
QString FileDetail(const QString& path, const QString& reason);

// Why a data file did not open: the detail for a result other than Loaded;
// `reason` is what OpenDataFile said of a file it could not read.
QString DataFileOpenDetail(const QString& path, TDataFileResult result, const QString& reason);

// Why an output (a PDF listing, a CSV list) may not be written to `output`:
// a data file is never replaced by one, whether named directly or through a
// link, nor is the file the output is made from, nor anything a save refuses
// to replace (see ResolveSaveTarget). Empty when it may.
QString OutputFileProblem(const QString& output, const QString& input = {});
