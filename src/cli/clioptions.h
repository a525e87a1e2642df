#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TRadioData;
class TSettingsStore;

// Exit statuses of the command-line program.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// Ctrl+C ended the command, as a shell reports a process ended by SIGINT.
constexpr int kExitInterrupted = 130;

struct TCliOptions {
    int Radio = 0;     // catalogue row 1..15; 0 when the settings store decides
    QString Channels;  // "49", "99" or "199"; empty for the model's default
    bool ToneBurst = false;
    QString LogFile;       // --log: where the exchange's communication log goes
    bool Help = false;     // --help, -h or the command "help": the usage, status 0
    bool Version = false;  // --version
    QString Command;
    QStringList Arguments;  // the command's own arguments
};

// Parses the options before the command ("--" ends them). On a usage error
// returns nothing and sets `error`.
std::optional<TCliOptions> ParseCliOptions(const QStringList& arguments, QString& error);

// Gives the data set its configuration (model, market code, band limit and
// channel count) from the options or, without --radio, from the settings
// store as the windowed program loads it; then the records New starts with.
bool ConfigureDataSet(const TCliOptions& options, TRadioData& data, QString& error);

QString UsageText();
// The part of the usage that tells of one command; empty for an unknown one.
QString CommandUsage(const QString& command);
