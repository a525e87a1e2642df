#include "cli/clicommands.h"
#include "core/ports/portoverview.h"

int RunPorts(const TCliOptions& options, TRadioData&, QTextStream& errors) {
    if (!CommandFiles(options, 0, "ports takes no arguments", errors)) return kExitUsage;
    return PrintOutput(
        QString::fromStdString(OverviewText(BuildOverview(ScanPorts(CurrentPortMap())))), errors);
}
