#include "cli/clicommands.h"

#include "core/files/datafile.h"
#include "core/model/radiodata.h"

int RunResave(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("resave needs IN.tvr OUT.tvr"));
    if (!OpenAsOpenDoes(data, options.Arguments[0], errors)) return kExitUsage;
    if (!SaveAsSaveDoes(data, options.Arguments[1], errors)) return kExitUsage;
    return kExitDone;
}
