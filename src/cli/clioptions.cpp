#include "cli/clioptions.h"

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
               "  list IN.tvr             print the listing of a data file as text, a form\n"
               "                          feed alone on a line between pages\n"
               "  pdf IN.tvr OUT.pdf      write the listing of a data file as a PDF file\n"
               "  import-csv IN.csv OUT.tvr [--into BASE.tvr]\n"
               "                          store the channels of a CSV channel list in a data\n"
               "                          file: over BASE.tvr, or over a data set as New makes\n"
               "                          it; status 1, and no file, when none could be stored\n"
               "  export-csv IN.tvr OUT.csv\n"
               "                          write the memory channels of a data file as a CSV\n"
               "                          channel list\n"
               "  diff A.tvr B.tvr        list the differences between two data files, one\n"
               "                          line each; status 0 equal, 1 different\n"
               "  ports                   show the serial ports: the device each of COM1..COM20\n"
               "                          stands for, every serial device found and whether\n"
               "                          the program may use it; needs no --radio\n"
               "PORT is a device path or COM1..COM20; Ctrl+C cancels an exchange.\n"
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

std::optional<TCliOptions> ParseCliOptions(const QStringList& arguments, QString& error) {
    TCliOptions options;
    int next = 0;
    for (; next < arguments.size() && arguments[next].startsWith(QLatin1Char('-')); ++next) {
        const QString& option = arguments[next];
        if (option == QLatin1String("--")) {
            ++next;
            break;
        }
        if (option == QLatin1String("--tbf")) {
            options.ToneBurst = true;
            continue;
        }
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            options.Help = true;
            continue;
        }
        if (option == QLatin1String("--version")) {
            options.Version = true;
            continue;
        }
        if (option != QLatin1String("--radio") && option != QLatin1String("--channels") &&
            option != QLatin1String("--log")) {
            error = QStringLiteral("unknown option %1").arg(option);
            return std::nullopt;
        }
        if (++next >= arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(option);
            return std::nullopt;
        }
        if (option == QLatin1String("--channels")) {
            options.Channels = arguments[next];
            continue;
        }
        if (option == QLatin1String("--log")) {
            options.LogFile = arguments[next];
            continue;
        }
        bool number = false;
        options.Radio = arguments[next].toInt(&number);
        if (!number || options.Radio < 1 || options.Radio > kCatalogueRows) {
            error = QStringLiteral("--radio must be a row from 1 to %1").arg(kCatalogueRows);
            return std::nullopt;
        }
    }
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

const QLatin1String kEndOfOptions("--");

bool IsOption(const QString& argument) {
    return argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
}

}  // namespace

bool SplitArguments(const QStringList& arguments, QStringList& positional,
                    const TTakeOption& takeOption) {
    for (qsizetype next = 0; next < arguments.size(); ++next) {
        if (arguments[next] == kEndOfOptions) {
            positional << arguments.mid(next + 1);
            break;
        }
        if (!IsOption(arguments[next])) {
            positional << arguments[next];
        } else if (!takeOption(arguments[next], next)) {
            return false;
        }
    }
    return true;
}

std::optional<QStringList> PositionalArguments(const QStringList& arguments, QString& error) {
    QStringList positional;
    const bool taken =
        SplitArguments(arguments, positional, [&](const QString& option, qsizetype&) {
            error = QStringLiteral("unknown option %1").arg(option);
            return false;
        });
    if (!taken) return std::nullopt;
    return positional;
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

bool AsksForHelp(const QStringList& arguments) {
    const QStringList options = arguments.mid(0, arguments.indexOf(kEndOfOptions));
    return options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"));
}
