#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <functional>
#include <map>

#include "cli/clicommands.h"
#include "cli/commandsyntax.h"
#include "core/model/radiodata.h"

namespace {

using TCommand = std::function<int(const TCliOptions&, TRadioData&, QTextStream&)>;

// The commands that need no radio chosen: ports looks at the system, not at a
// data set; the ones that only read data files configure them from the files.
bool NeedsDataSet(const QString& command) {
    static const QStringList configureThemselves{QStringLiteral("ports"), QStringLiteral("diff"),
                                                 QStringLiteral("list"), QStringLiteral("pdf"),
                                                 QStringLiteral("export-csv")};
    return !configureThemselves.contains(command);
}

const std::map<QString, TCommand>& Commands() {
    static const std::map<QString, TCommand> commands{
        {QStringLiteral("resave"), RunResave},
        {QStringLiteral("read"), RunRead},
        {QStringLiteral("write"), RunWrite},
        {QStringLiteral("display"), RunDisplay},
        {QStringLiteral("list"), RunList},
        {QStringLiteral("pdf"), RunPdf},
        {QStringLiteral("import-csv"), RunImportCsv},
        {QStringLiteral("export-csv"), RunExportCsv},
        {QStringLiteral("ports"), RunPorts},
        {QStringLiteral("diff"), RunDiff},
    };
    return commands;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away (`tavrin-cli list club.tvr | head -1`) then shows
    // as a write that fails, which is told, instead of ending the program
    // without a word.
    std::signal(SIGPIPE, SIG_IGN);
    const std::unique_ptr<QCoreApplication> application = CreateApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("HALVERN"));
    QCoreApplication::setApplicationName(QStringLiteral("TAVRIN"));
    QTextStream errors(stderr);

    QString problem;
    const std::optional<TCliOptions> options =
        ParseCliOptions(QCoreApplication::arguments().mid(1), problem);
    if (!options) return UsageError(errors, problem);
    if (options->Version) {
        return PrintOutput(QStringLiteral("tavrin-cli " TAVRIN_VERSION "\n"), errors);
    }
    const bool commandHelp =
        !options->Command.isEmpty() && (options->Help || AsksForHelp(options->Arguments));
    if (options->Help && options->Command.isEmpty()) return PrintOutput(UsageText(), errors);
    if (commandHelp && !CommandUsage(options->Command).isEmpty()) {
        return PrintOutput(CommandUsage(options->Command), errors);
    }
    const auto command = Commands().find(options->Command);
    if (command == Commands().end()) {
        return UsageError(errors, QStringLiteral("unknown command '%1'").arg(options->Command));
    }
    TRadioData data;
    if (NeedsDataSet(options->Command) && !ConfigureDataSet(*options, data, problem)) {
        return UsageError(errors, problem, options->Command);
    }
    return command->second(*options, data, errors);
}
