#include <cstdio>

#include "cli/clicommands.h"
#include "core/ports/portoverview.h"

int RunPorts(const TCliOptions& options, TRadioData&, QTextStream& errors) {
    if (!options.Arguments.isEmpty())
        return UsageError(errors, QStringLiteral("ports takes no arguments"));
    QTextStream output(stdout);
    output << QString::fromStdString(OverviewText(BuildOverview(ScanPorts(CurrentPortMap()))));
    return kExitDone;
}
