#pragma once

#include <QString>
#include <QTextStream>
#include <memory>
#include <string_view>
#include <vector>

#include "cli/clioptions.h"
#include "cli/commandsyntax.h"
#include "core/files/listing.h"
#include "core/radio/transferrecords.h"

class QCoreApplication;
class TKComm;
class TRadioData;

// One function per command; each returns the program's exit status.
int RunResave(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunRead(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunWrite(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunDisplay(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunList(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunPdf(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunImportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors);
int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors);
// These configure the data set from their files; `data` comes unconfigured.
int RunDiff(const TCliOptions& options, TRadioData& data, QTextStream& errors);
// Needs no radio configuration; the data set stays unconfigured.
int RunPorts(const TCliOptions& options, TRadioData& data, QTextStream& errors);

// The application object: a GUI one for the commands that draw (offscreen when
// there is no display), a core one for the rest.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char* argv[]);
// The listing pages of the data file opened from `path`.
std::vector<TListingPage> ListingOfFile(const TCliOptions& options, const TRadioData& data,
                                        const QString& path);

// Shared steps of the commands.
// A message on standard error: "tavrin-cli: " and the text, with its own line breaks.
void SayMessage(QTextStream& errors, const QString& message);
// A usage error: the problem, naming the bad argument, and one line of hint
// ("Try 'tavrin-cli list --help'."); the exit status 2.
int UsageError(QTextStream& errors, const QString& problem, const QString& command = {});
// A command's own arguments taken apart by its syntax; nothing, after the
// usage error, when they do not fit it.
std::optional<TCommandArguments> CommandArguments(const TCliOptions& options,
                                                  const TCommandSyntax& syntax,
                                                  QTextStream& errors);
// "-" as an output: standard output, where the output is text.
inline bool IsStandardOutput(const QString& output) {
    return output == QLatin1String("-");
}
// Opens a data file as the window's Open does; a file that loads with gaps or with values the
// transceiver does not take is told of on `errors`, the latter only with `listRuleBreaks`.
bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors,
                    bool listRuleBreaks = true);
// Opens a data file a command only reads: for the --radio configuration when
// one is given, else for the model the file's header names (the stored
// configuration when it is of that model, so its market code counts). Returns
// the exit status, kExitDone when the file is open.
int OpenInputFile(const TCliOptions& options, TRadioData& data, const QString& path,
                  QTextStream& errors);
// For a command that makes `output` from the data file `input`: refuses an
// output that may not be written before anything is read, then opens `input`
// as OpenInputFile does.
int OpenForOutput(const TCliOptions& options, TRadioData& data, const QString& input,
                  const QString& output, QTextStream& errors);
bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors);

// Prints `text` on standard output and makes sure it got there: a full disk
// or a reader that went away is told on `errors` ("tavrin-cli: standard
// output: No space left on device") and gives status 2, so a script never
// takes a cut-off listing for a whole one. Returns the exit status.
int PrintOutput(const QString& text, QTextStream& errors);
int PrintBytes(std::string_view bytes, QTextStream& errors);

// What the commands keep of an exchange: the log --log asks for, attached to
// the port, and a line on standard error for a log or backup that could not
// be kept (the command goes on without it).
void AttachCliLog(const TCliOptions& options, TKComm& comm, const TExchangeLabel& label,
                  QTextStream& errors);
void ReportKeptFileProblem(const QString& problem, QTextStream& errors);
