#include "cli/commandsyntax.h"

namespace {

const QLatin1String kEndOfOptions("--");

// "list: ..." for a command's own arguments; the options before the command stand alone.
QString Said(const TCommandSyntax& syntax, const QString& problem) {
    return syntax.Command.isEmpty() ? problem : syntax.Command + QStringLiteral(": ") + problem;
}

bool IsOption(const QString& argument) {
    return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
}

// One option at arguments[next], its value taken from "=value" or the next
// argument; false, with `error`, when the syntax has no such option.
bool TakeOption(const TCommandSyntax& syntax, const QStringList& arguments, qsizetype& next,
                TCommandArguments& parsed, QString& error) {
    const QString& argument = arguments[next];
    const qsizetype equals = argument.startsWith(kEndOfOptions) ? argument.indexOf('=') : -1;
    const QString name = equals < 0 ? argument : argument.left(equals);
    const auto fail = [&](const char* pattern) {
        error = Said(syntax, QString::fromLatin1(pattern).arg(name));
        return false;
    };
    if (syntax.Flags.contains(name)) {
        if (equals >= 0) return fail("option %1 takes no value");
        parsed.Flags.insert(name);
        return true;
    }
    if (!syntax.ValueOptions.contains(name)) return fail("unknown option %1");
    if (parsed.Values.contains(name)) return fail("option %1 is given twice");
    if (equals >= 0) {
        parsed.Values.insert(name, argument.mid(equals + 1));
        return true;
    }
    if (next + 1 >= arguments.size()) return fail("option %1 needs a value");
    parsed.Values.insert(name, arguments[++next]);
    return true;
}

bool CheckOperandCount(const TCommandSyntax& syntax, const QStringList& operands, QString& error) {
    const qsizetype most = syntax.Operands.size();
    const qsizetype least = most - syntax.OptionalOperands;
    if (operands.size() > most) {
        error = Said(syntax, QStringLiteral("extra operand '%1'").arg(operands[most]));
        return false;
    }
    if (operands.size() < least) {
        error = Said(syntax, QStringLiteral("missing %1").arg(syntax.Operands[operands.size()]));
        return false;
    }
    return true;
}

}  // namespace

std::optional<QString> TCommandArguments::Value(const QString& option) const {
    const auto value = Values.constFind(option);
    if (value == Values.constEnd()) return std::nullopt;
    return *value;
}

std::optional<TCommandArguments> ParseCommandArguments(const TCommandSyntax& syntax,
                                                       const QStringList& arguments,
                                                       QString& error) {
    TCommandArguments parsed;
    for (qsizetype next = 0; next < arguments.size(); ++next) {
        if (arguments[next] == kEndOfOptions) {
            parsed.Operands << arguments.mid(next + 1);
            break;
        }
        if (!IsOption(arguments[next])) {
            parsed.Operands << arguments[next];
        } else if (!TakeOption(syntax, arguments, next, parsed, error)) {
            return std::nullopt;
        }
    }
    if (!CheckOperandCount(syntax, parsed.Operands, error)) return std::nullopt;
    return parsed;
}

bool AsksForHelp(const QStringList& arguments) {
    const QStringList options = arguments.mid(0, arguments.indexOf(kEndOfOptions));
    return options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"));
}
