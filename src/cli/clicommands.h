#pragma once

#include <QString>
#include <QTextStream>

#include "cli/clioptions.h"

class TRadioData;

// One function per command; each returns the program's exit status.
int RunResave(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunRead(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunWrite(const TCliOptions& options, TRadioData& data, QTextStream& errors);

// Shared steps of the commands.
int UsageError(QTextStream& errors, const QString& problem);
bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors);
bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors);
