#include "cli/clicommands.h"
#include "core/ports/portoverview.h"

int RunPorts(const TCliOptions& options, TRadioData&, QTextStream& errors) {
    if (!CommandArguments(options, TCommandSyntax{QStringLiteral("ports")}, errors))
        return kExitUsage;
    return PrintOutput(
        QString::fromStdString(OverviewText(BuildOverview(ScanPorts(CurrentPortMap())))), errors);
}
