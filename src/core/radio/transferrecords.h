#pragma once

#include <QString>
#include <memory>

#include "core/radio/exchange.h"

class TCommLog;
class TRadioData;

// What the program keeps of its exchanges with the transceiver, the same in
// the window and on the command line: a backup of every data set a write
// sends (made once the transceiver has answered its identification, before
// the first record goes out), a backup of every read that completed, and,
// when asked for, a communication log. A write that never reached a
// transceiver keeps nothing, so refused attempts cannot push real backups out.

// An exchange as its backups and logs name it.
struct TExchangeLabel {
    TExchangeKind Kind = TExchangeKind::Read;
    TTransferScope Scope = TTransferScope::All;
    QString Model;
    QString Port;
};

// "read", "write-memory", "display": the kind in file names.
QString KindFileText(const TExchangeLabel& label);
// "read All", "write Memory", "channel display": the kind in a log's first line.
QString KindDescription(const TExchangeLabel& label);

// Each returns the backup's path; empty when none was made, with `problem`
// set when one should have been and could not.
QString BackUpBeforeWrite(const TRadioData& data, TTransferScope scope, QString& problem);
QString BackUpAfterRead(const TRadioData& data, TTransferScope scope, TExchangeOutcome outcome,
                        QString& problem);

// A new log in the Logs folder, the oldest logs beyond the limit deleted;
// nothing, with `problem` set, when it cannot be written.
std::unique_ptr<TCommLog> OpenExchangeLog(const TExchangeLabel& label, QString& problem);
// A log at a path of the user's choice.
std::unique_ptr<TCommLog> OpenExchangeLogAt(const QString& path, const TExchangeLabel& label,
                                            QString& problem);

// How an exchange ended, as its log tells it.
QString OutcomeText(TExchangeOutcome outcome);
