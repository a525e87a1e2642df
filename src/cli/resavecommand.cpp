#include "cli/clicommands.h"

#include "core/files/datafile.h"
#include "core/model/radiodata.h"

int RunResave(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TCommandArguments> given =
        CommandArguments(options,
                         TCommandSyntax{QStringLiteral("resave"),
                                        {QStringLiteral("IN.tvr"), QStringLiteral("OUT.tvr")}},
                         errors);
    if (!given) return kExitUsage;
    if (!OpenAsOpenDoes(data, given->Operands[0], errors)) return kExitUsage;
    if (!SaveAsSaveDoes(data, given->Operands[1], errors)) return kExitUsage;
    return kExitDone;
}
