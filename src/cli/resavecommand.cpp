#include "cli/clicommands.h"

#include "core/files/datafile.h"
#include "core/model/radiodata.h"

int RunResave(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<QStringList> files =
        CommandFiles(options, 2, "resave needs IN.tvr OUT.tvr", errors);
    if (!files) return kExitUsage;
    if (!OpenAsOpenDoes(data, files->at(0), errors)) return kExitUsage;
    if (!SaveAsSaveDoes(data, files->at(1), errors)) return kExitUsage;
    return kExitDone;
}
