#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/files/csvchannels.h"
#include "gui/kit/messagebox.h"

class QWidget;

// The reports of a CSV import or export and of a paste of channel rows, put
// together from their patterns in the window's language.
std::string CsvPatternText(const char* pattern);
QString CsvMessageText(const std::string& text);
QStringList CsvNotesOf(const std::vector<TCsvNote>& notes);

// A summary alone fits a message box; notes may run to hundreds of lines, so
// they are shown under it in a box that scrolls.
void ShowCsvReport(QWidget* parent, const QString& summary, TMessageStyle style,
                   const std::vector<TCsvNote>& notes);
