#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// What a command takes on its command line: its operands in order, of which
// the last few may be left out, and its options, with or without a value.
struct TCommandSyntax {
    explicit TCommandSyntax(QString command, QStringList operands = {}, int optionalOperands = 0,
                            QStringList flags = {}, QStringList valueOptions = {})
        : Command(std::move(command)),
          Operands(std::move(operands)),
          OptionalOperands(optionalOperands),
          Flags(std::move(flags)),
          ValueOptions(std::move(valueOptions)) {}

    QString Command;           // "list"
    QStringList Operands;      // names for the messages: "IN.tvr", "OUT.csv"
    int OptionalOperands = 0;  // how many of the last operands may be left out
    QStringList Flags;         // "--yes"
    QStringList ValueOptions;  // "--scope"
};

// A command line taken apart by its syntax.
struct TCommandArguments {
    QStringList Operands;
    QSet<QString> Flags;
    QHash<QString, QString> Values;

    bool Has(const QString& flag) const { return Flags.contains(flag); }
    std::optional<QString> Value(const QString& option) const;
};

// Takes a command's own arguments apart as GNU programs do: options anywhere,
// "--name value" or "--name=value", "--" ends the options (a file may then be
// named "--yes.csv"), and "-" alone is an operand. Anything else that starts
// with "-" is an option, never a file name. On a usage error returns nothing,
// with `error` naming the bad argument: "list: unknown option --bogus",
// "list: extra operand 'c.tvr'", "read: missing OUT.tvr".
std::optional<TCommandArguments> ParseCommandArguments(const TCommandSyntax& syntax,
                                                       const QStringList& arguments,
                                                       QString& error);

// Whether a command's own arguments ask for its usage (--help or -h before any "--").
bool AsksForHelp(const QStringList& arguments);
