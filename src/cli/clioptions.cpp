#include "cli/clioptions.h"

#include "cli/commandsyntax.h"

#include "core/files/settings.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

// Sets the channel count asked for, which must be one of the model's two.
bool ApplyChannelCount(const QString& channels, TRadioData& data, QString& error) {
    if (channels.isEmpty()) return true;
    const TChannelCounts counts = ChannelCountsOf(data.GetModel());
    if (channels != QLatin1String(counts.Smaller) && channels != QLatin1String(counts.Larger)) {
        error = QStringLiteral("--channels must be %1 or %2 for the %3")
                    .arg(QLatin1String(counts.Smaller), QLatin1String(counts.Larger),
                         QString::fromStdString(data.GetModel()));
        return false;
    }
    data.SetMenuSlot(kChannelCountSlot, channels.toStdString());
    return true;
}

bool ApplyStoredConfiguration(TRadioData& data, QString& error) {
    TSettingsStore store;
    if (!store.SetAsideProblem().isEmpty()) {
        error = store.SetAsideProblem() + QStringLiteral("\nPass --radio ROW (1..15).");
        return false;
    }
    if (!HasStoredConfiguration(store)) {
        error = QStringLiteral("no radio has been chosen yet: pass --radio ROW (1..15)");
        return false;
    }
    if (!HasKnownConfiguration(store)) {
        error = QStringLiteral(
                    "the stored radio (model \"%1\", market code \"%2\") is unknown: "
                    "pass --radio ROW (1..15)")
                    .arg(store.Read(QStringLiteral("Model")).left(20),
                         store.Read(QStringLiteral("Type")).left(20));
        return false;
    }
    LoadSettings(store, data, {});
    return true;
}

}  // namespace

QString UsageText() {
    return QStringLiteral(
               "usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] COMMAND "
               "ARGS...\n"
               "  --radio ROW     radio configuration 1..15, in the order of Model Select:\n%1"
               "  --channels N    channel count 49, 99 or 199 (one of the model's two)\n"
               "  --tbf           the tone-burst option\n"
               "  --log FILE      write every byte the command exchanges with the transceiver\n"
               "                  to FILE as a communication log (read, write and display)\n"
               "commands:\n"
               "  resave IN.tvr OUT.tvr   open a data file and save it again\n"
               "  read PORT OUT.tvr [--scope all|memory|menu]\n"
               "                          read the transceiver into a data file\n"
               "  write PORT IN.tvr [--scope all|memory|menu] [--yes] [--verify]\n"
               "                          write a data file to the transceiver; --yes answers\n"
               "                          the program's questions with OK; --verify reads back\n"
               "                          what was written and lists every difference\n"
               "  display PORT [--protect on|off]\n"
               "                          show the channel display protection (on/off),\n"
               "                          or switch it\n"
               "  list IN.tvr [OUT]       print the listing of a data file as text, a form\n"
               "                          feed alone on a line between pages; into the text\n"
               "                          file OUT when given (\"-\": standard output)\n"
               "  pdf IN.tvr OUT.pdf      write the listing of a data file as a PDF file\n"
               "  import-csv IN.csv OUT.tvr [--into BASE.tvr]\n"
               "                          store the channels of a CSV channel list in a data\n"
               "                          file: over BASE.tvr, or over a data set as New makes\n"
               "                          it; status 1, and no file, when none could be stored\n"
               "  export-csv IN.tvr OUT.csv\n"
               "                          write the memory channels of a data file as a CSV\n"
               "                          channel list (OUT.csv \"-\": standard output)\n"
               "  diff A.tvr B.tvr        list the differences between two data files, one\n"
               "                          line each; status 0 equal, 1 different\n"
               "  ports                   show the serial ports: the device each of COM1..COM20\n"
               "                          stands for, every serial device found and whether\n"
               "                          the program may use it; needs no --radio\n"
               "PORT is a device path or COM1..COM20; Ctrl+C cancels an exchange.\n"
               "Options take their value as --option VALUE or --option=VALUE; \"--\" ends the\n"
               "options, so that a file may be named like one.\n"
               "Without --radio, list, pdf, export-csv and diff open each file for the model\n"
               "its header names (with the chosen radio's market code when it is that model).\n"
               "read and write keep a backup of the data set they exchange in the Backups\n"
               "folder under ~/.local/share/HALVERN/TAVRIN (the newest 100 are kept).\n")
        .arg([] {
            QString rows;
            for (int row = 0; row < kCatalogueRows; ++row) {
                rows += QStringLiteral("                    %1 %2\n")
                            .arg(row + 1, 2)
                            .arg(QLatin1String(ModelCatalogue()[static_cast<size_t>(row)].Caption));
            }
            return rows;
        }());
}

namespace {

// The options before the command, read as a command's own are: "--name value"
// or "--name=value"; "-" alone or a word starts the command.
bool IsGlobalOption(const QString& argument) {
    return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
}

bool StoreGlobalValues(const TCommandArguments& given, TCliOptions& options, QString& error) {
    options.ToneBurst = given.Has(QStringLiteral("--tbf"));
    options.Help = given.Has(QStringLiteral("--help")) || given.Has(QStringLiteral("-h"));
    options.Version = given.Has(QStringLiteral("--version"));
    options.Channels = given.Value(QStringLiteral("--channels")).value_or(QString());
    options.LogFile = given.Value(QStringLiteral("--log")).value_or(QString());
    const std::optional<QString> radio = given.Value(QStringLiteral("--radio"));
    if (!radio) return true;
    bool number = false;
    options.Radio = radio->toInt(&number);
    if (number && options.Radio >= 1 && options.Radio <= kCatalogueRows) return true;
    error = QStringLiteral("--radio must be a row from 1 to %1, not '%2'")
                .arg(kCatalogueRows)
                .arg(*radio);
    return false;
}

}  // namespace

std::optional<TCliOptions> ParseCliOptions(const QStringList& arguments, QString& error) {
    qsizetype next = 0;
    while (next < arguments.size() && IsGlobalOption(arguments[next]) &&
           arguments[next] != QLatin1String("--")) {
        // A value option's value may stand apart and look like anything.
        const QString& option = arguments[next];
        const bool apart =
            !option.contains(QLatin1Char('=')) &&
            (option == QLatin1String("--radio") || option == QLatin1String("--channels") ||
             option == QLatin1String("--log"));
        next += apart ? 2 : 1;
    }
    const TCommandSyntax globals{
        QString(),
        {},
        0,
        {QStringLiteral("--tbf"), QStringLiteral("--help"), QStringLiteral("-h"),
         QStringLiteral("--version")},
        {QStringLiteral("--radio"), QStringLiteral("--channels"), QStringLiteral("--log")}};
    const std::optional<TCommandArguments> given =
        ParseCommandArguments(globals, arguments.mid(0, next), error);
    TCliOptions options;
    if (!given || !StoreGlobalValues(*given, options, error)) return std::nullopt;
    if (next < arguments.size() && arguments[next] == QLatin1String("--")) ++next;
    if (next >= arguments.size()) {
        if (options.Help || options.Version) return options;
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    options.Command = arguments[next];
    options.Arguments = arguments.mid(next + 1);
    // "help" alone is the usage; "help COMMAND" that command's.
    if (options.Command == QLatin1String("help")) {
        options.Help = true;
        options.Command = options.Arguments.value(0);
        options.Arguments.clear();
    }
    return options;
}

bool ConfigureDataSet(const TCliOptions& options, TRadioData& data, QString& error) {
    if (options.Radio != 0) {
        ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(options.Radio - 1)]);
    } else if (!ApplyStoredConfiguration(data, error)) {
        return false;
    }
    if (!ApplyChannelCount(options.Channels, data, error)) return false;
    data.ClearRecords();
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    data.ApplyWeatherAlertDefault();
    return true;
}

namespace {

// What a command's own help tells beyond its lines in the usage.
QString CommandDetails(const QString& command) {
    if (command != QLatin1String("diff")) return {};
    return QStringLiteral(
        "Lists the differences between two data files, one line each on standard\n"
        "output: the record, the field and the two values, for example\n"
        "  channel 7, RxFreq: \"0145000000\" | \"0146000000\"\n"
        "Without --radio each file is opened for the model its header names, so files\n"
        "of two models can be compared; with --radio both must be of that model.\n"
        "Status 0 when the files are equal, 1 when they differ, 2 when a file cannot\n"
        "be opened.\n");
}

}  // namespace

QString CommandUsage(const QString& command) {
    // A command's lines start with two blanks and its name; the lines that go
    // on telling of it start with more blanks.
    QString usage;
    bool inside = false;
    for (const QString& line : UsageText().split(QLatin1Char('\n'))) {
        const bool commandLine = line.startsWith(QLatin1String("  ")) && line.size() > 2 &&
                                 line[2] != QLatin1Char(' ') && line[2] != QLatin1Char('-');
        if (commandLine) inside = line.mid(2).section(QLatin1Char(' '), 0, 0) == command;
        if (inside && (commandLine || line.startsWith(QLatin1String("    ")))) {
            usage += line + QLatin1Char('\n');
        } else if (!commandLine) {
            inside = false;
        }
    }
    if (usage.isEmpty()) return usage;
    return QStringLiteral("usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] ") +
           command + QStringLiteral(" ...\n") + usage + CommandDetails(command);
}
