#pragma once

#include <QString>
#include <QTextStream>

// A file that could not be read or written, as tavrin-cli tells it: the
// program's message, then on the next line the file and why
// ("File Open error.\nclub.tvr: not a regular file").
void ReportFileError(QTextStream& errors, const char* message, const QString& detail);
