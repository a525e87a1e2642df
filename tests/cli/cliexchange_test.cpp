// `read` and `write` end to end: the real tavrin-cli against the transceiver simulator.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <iostream>

#include "cli/clirun.h"
#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "core/radio/exchange.h"
#include "core/radio/verifiedwrite.h"
#include "support/filetraps.h"
#include "support/pseudoterminal.h"
#include "support/qtprinters.h"
#include "support/testdata.h"

namespace {

using namespace std::chrono_literals;

constexpr int kHandheldRow = 1;  // PX-A5, U.S.A./Canada: 49 or 99 channels, no pause
constexpr int kMobileRow = 8;    // RV-310, U.S.A./Canada: 99 or 199 channels, 80 ms a command

const QString kMissingPort = QStringLiteral("/dev/tavrin-test-no-such-port");
// Every message of tavrin-cli starts with its name.
const QString kPortUnavailable = QStringLiteral(
    "tavrin-cli: The selected COM port is unavailable.\nPlease check the COM port status.\n");
const QString kUnsupported = "tavrin-cli: " + QString(kUnsupportedMessage) + "\n";
const QString kMarketQuestion = QStringLiteral(
    "tavrin-cli: The market code selected in this software does not \nmatch the market code of the "
    "connected transcevier, \nIf you continue to write to the transceiver, the Memory \nChannel "
    "data may not be written. \nDo you wish to continue writing?\n");
const QString kPriorityQuestion = QStringLiteral(
    "tavrin-cli: Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is "
    "configured.\n");
const QString kWeatherQuestion = QStringLiteral(
    "tavrin-cli: Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency "
    "is "
    "configured.\n");
const QString kWeatherNotice = QStringLiteral(
    "tavrin-cli: Weather Alert is turned ON.\nYou cannot delete the AL channel frequency when "
    "Weather Alert "
    "is ON.\n");

const TModelInfo& Row(int row) {
    return ModelCatalogue()[static_cast<size_t>(row - 1)];
}

TRadioData NewData(int row, const char* count) {
    TRadioData data;
    ApplyConfiguration(data, Row(row), count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return data;
}

// Within the transceiver's rules, as a write sends only such data.
std::string FilledFile(int row, const char* count) {
    return WriteDataFile(FilledWithinRules(Row(row), count));
}
std::string NewFile(int row, const char* count) {
    return WriteDataFile(NewData(row, count));
}

// A data file cut where the scopes part: the records (memory, CALL, VFO,
// DTMF) and the menu. The comment is left out, as it never travels.
struct TParts {
    std::string Records;
    std::string Menu;
    bool operator==(const TParts&) const = default;
};

void PrintTo(const TParts& parts, std::ostream* out) {
    *out << parts.Records << "---- menu ----\n" << parts.Menu;
}

TParts PartsOf(const std::string& file) {
    const size_t comment = file.find("__COMMENT__");
    const size_t memory = file.find("__MEMORY DATA__");
    const size_t menu = file.find("__RADIO MENU__");
    if (comment == std::string::npos || memory == std::string::npos || menu == std::string::npos) {
        return {file, "(no menu section)"};
    }
    return {file.substr(0, comment) + file.substr(memory, menu - memory), file.substr(menu)};
}

TParts Mixed(const std::string& recordsFrom, const std::string& menuFrom) {
    return {PartsOf(recordsFrom).Records, PartsOf(menuFrom).Menu};
}

class CliExchange : public ::testing::Test {
protected:
    void TearDown() override {
        if (Sim.state() != QProcess::NotRunning) {
            Sim.kill();
            Sim.waitForFinished(5000);
        }
        if (HasFailure()) std::cerr << "simulator:\n" << Sim.readAllStandardError().toStdString();
    }

    // Starts the simulator saving to saved.tvr on its stop; gives its device,
    // empty when none came. Its log goes to its standard error only when
    // asked, so a long exchange cannot fill an unread pipe.
    QString StartSim(QStringList arguments, bool logged = false) {
        arguments << "--save" << Path("saved.tvr");
        if (!logged) arguments << "--quiet";
        Sim.setReadChannel(QProcess::StandardOutput);
        Sim.start(QStringLiteral(TAVRIN_RADIOSIM_PATH), arguments);
        while (!Sim.canReadLine() && Sim.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(Sim.readLine()).trimmed();
    }

    QString StartSimWith(const std::string& file, QStringList arguments, bool logged = false) {
        return StartSim(arguments << "--load" << Put(file, "loaded.tvr"), logged);
    }

    // Stops the simulator; gives what it saved.
    std::string StopSim() {
        Sim.terminate();
        EXPECT_TRUE(Sim.waitForFinished(5000));
        EXPECT_EQ(Sim.exitCode(), 0);
        return Contents(Path("saved.tvr"));
    }

    // The simulator's log so far, once it holds `text` or `within` has passed.
    QString SimLogHolding(const QString& text, std::chrono::milliseconds within = 5s) {
        Sim.setReadChannel(QProcess::StandardError);
        const QDeadlineTimer deadline(within);
        Log += QString::fromLocal8Bit(Sim.readAllStandardError());
        while (!Log.contains(text) && !deadline.hasExpired() &&
               Sim.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            Log += QString::fromLocal8Bit(Sim.readAllStandardError());
        }
        return Log;
    }

    TCliRun Cli(const QStringList& arguments, const QProcessEnvironment& extra = {}) {
        return RunCli(arguments, Config.path(), extra);
    }

    QString Path(const char* name) const { return Files.filePath(QLatin1String(name)); }

    QString Put(const std::string& bytes, const char* name) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    static std::string Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QProcess Sim;
    QString Log;
    QTemporaryDir Config;
    QTemporaryDir Files;
};

// ---- Whole exchanges ----

TEST_F(CliExchange, ReadGivesTheTransceiversContentsInItsChannelCount) {
    for (const char* count : {"49", "99"}) {
        SCOPED_TRACE(count);
        const std::string radio = FilledFile(kHandheldRow, count);
        const QString device = StartSimWith(radio, {"--radio", "1", "--channels", count});
        const QString out = Path("out.tvr");
        const TCliRun run = Cli({"--radio", "1", "read", device, out});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Errors, "");
        EXPECT_EQ(PartsOf(Contents(out)), PartsOf(radio));
        StopSim();
    }
}

TEST_F(CliExchange, WriteLeavesTheDataFileInTheTransceiver) {
    for (const auto& [count, radioCount] : {std::pair("49", "99"), std::pair("99", "49")}) {
        SCOPED_TRACE(count);
        const std::string file = FilledFile(kHandheldRow, count);
        const QString device = StartSim({"--radio", "1", "--channels", radioCount});
        const TCliRun run =
            Cli({"--radio", "1", "--channels", count, "write", device, Put(file, "in.tvr")});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Errors, "");
        EXPECT_EQ(PartsOf(StopSim()), PartsOf(file));
    }
}

TEST_F(CliExchange, ScopesMemoryAndMenuMoveTheirPartOnly) {
    const std::string filled = FilledFile(kHandheldRow, "49");
    const std::string fresh = NewFile(kHandheldRow, "49");
    const struct {
        const char* Command;
        const char* Scope;
        TParts Expected;  // of the file read, or of the transceiver after the write
    } cases[] = {
        {"read", "memory", Mixed(filled, fresh)},
        {"read", "menu", Mixed(fresh, filled)},
        {"write", "memory", Mixed(filled, fresh)},
        {"write", "menu", Mixed(fresh, filled)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Command) + " " + c.Scope);
        const bool reading = std::string_view(c.Command) == "read";
        const QString device =
            reading ? StartSimWith(filled, {"--radio", "1"}) : StartSim({"--radio", "1"});
        const QString file = reading ? Path("out.tvr") : Put(filled, "in.tvr");
        const TCliRun run = Cli({"--radio", "1", c.Command, device, file, "--scope", c.Scope});
        EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
        const std::string saved = StopSim();
        EXPECT_EQ(PartsOf(reading ? Contents(file) : saved), c.Expected);
    }
}

// The mobiles pause 80 ms before every command, so their menus stand in for them here.
TEST_F(CliExchange, MobileMenusMoveInBothChannelCounts) {
    for (const char* count : {"99", "199"}) {
        SCOPED_TRACE(count);
        const std::string filled = FilledFile(kMobileRow, count);
        const std::string fresh = NewFile(kMobileRow, count);
        QString device = StartSimWith(filled, {"--radio", "8", "--channels", count});
        const TCliRun read =
            Cli({"--radio", "8", "read", device, Path("out.tvr"), "--scope", "menu"});
        EXPECT_EQ(read.Status, 0) << read.Errors.toStdString();
        EXPECT_EQ(PartsOf(Contents(Path("out.tvr"))), Mixed(fresh, filled));
        StopSim();

        device = StartSim({"--radio", "8", "--channels", count});
        const TCliRun write = Cli({"--radio", "8", "--channels", count, "write", device,
                                   Put(filled, "in.tvr"), "--scope", "menu"});
        EXPECT_EQ(write.Status, 0) << write.Errors.toStdString();
        EXPECT_EQ(PartsOf(StopSim()), Mixed(fresh, filled));
    }
}

// The 1750 Hz tone setting is shown, and so exchanged, only with --tbf outside U.S.A./Canada.
TEST_F(CliExchange, ToneBurstTravelsOnlyWithTbfOutsideUsCanada) {
    TRadioData europe = FilledWithinRules(Row(2), "49");
    europe.SetMenuSlot(25, europe.GetMenuSlot(25) == "1" ? "0" : "1");
    const std::string file = WriteDataFile(europe);
    const struct {
        int Row;
        bool Tbf;
        const char* Command;
        bool Sent;
    } cases[] = {
        {2, true, "read", true},  {2, false, "read", false},  {1, true, "read", false},
        {2, true, "write", true}, {2, false, "write", false},
    };
    for (const auto& c : cases) {
        const QString row = QString::number(c.Row);
        SCOPED_TRACE(row.toStdString() + c.Command + (c.Tbf ? " --tbf" : ""));
        Log.clear();
        const QString device = c.Row == 2 ? StartSimWith(file, {"--radio", row}, true)
                                          : StartSim({"--radio", row}, true);
        const bool reading = std::string_view(c.Command) == "read";
        QStringList arguments{"--radio", row};
        if (c.Tbf) arguments << "--tbf";
        arguments << c.Command << device << (reading ? Path("out.tvr") : Put(file, "in.tvr"));
        arguments << QStringList{"--scope", "menu"};
        EXPECT_EQ(Cli(arguments).Status, 0);
        StopSim();
        EXPECT_EQ(SimLogHolding("stopped by signal").contains("> BT"), c.Sent);
        if (reading && c.Sent) {
            EXPECT_EQ(PartsOf(Contents(Path("out.tvr"))).Menu, PartsOf(file).Menu);
        }
    }
}

// ---- Exchanges that do not succeed ----

TEST_F(CliExchange, AnotherTransceiverIsNotSupported) {
    const QString device = StartSim({"--radio", "1", "--id", "XR-100"});
    TCliRun run = Cli({"--radio", "1", "read", device, Path("out.tvr")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kUnsupported);
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));

    run = Cli({"--radio", "1", "write", device, Put(FilledFile(kHandheldRow, "49"), "in.tvr")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kUnsupported);
}

TEST_F(CliExchange, AnUnavailablePortGivesTheProgramsMessage) {
    TCliRun run = Cli({"--radio", "1", "read", kMissingPort, Path("out.tvr")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kPortUnavailable);
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));

    // A write that reached no transceiver keeps no backup, on a missing port or a plain file.
    for (const QString& port : {QString(kMissingPort), Put("not a terminal", "plain")}) {
        run = Cli({"--radio", "1", "write", port, Put(FilledFile(kHandheldRow, "49"), "in.tvr")});
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Errors, kPortUnavailable);
    }
    EXPECT_EQ(QDir(Config.filePath("data/HALVERN/TAVRIN/Backups")).entryList(QDir::Files),
              QStringList());

    QProcessEnvironment elsewhere;
    elsewhere.insert(QStringLiteral("TAVRIN_COM3"), kMissingPort);
    run = Cli({"--radio", "1", "read", "COM3", Path("out.tvr")}, elsewhere);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kPortUnavailable);
}

TEST_F(CliExchange, PortNamesReachTheirDevices) {
    QProcessEnvironment portMap;
    portMap.insert(QStringLiteral("TAVRIN_COM3"), StartSim({"--radio", "1"}));
    for (const char* port : {"COM3", "\\\\.\\COM3"}) {
        const TCliRun run = Cli({"--radio", "1", "read", port, Path("out.tvr")}, portMap);
        EXPECT_EQ(run.Status, 0) << port << run.Errors.toStdString();
    }
}

TEST_F(CliExchange, RefusedRecordsAreNamedAndTheRestIsWritten) {
    const std::string file = FilledFile(kHandheldRow, "49");
    const QString device = StartSim({"--radio", "1", "--refuse", "ME"});
    const TCliRun run = Cli({"--radio", "1", "write", device, Put(file, "in.tvr")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Errors.startsWith("tavrin-cli: The transceiver refused "))
        << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains("\nME 00\nME 01\n")) << run.Errors.toStdString();
    EXPECT_TRUE(
        run.Errors.endsWith("\nThese records are not stored in the transceiver.\n"
                            "The transceiver now holds a mix of old and new data. Please "
                            "write again.\n"));
    EXPECT_EQ(PartsOf(StopSim()).Menu, PartsOf(file).Menu);
}

TEST_F(CliExchange, ATimeOutLeavesNoFile) {
    const QString device = StartSim({"--radio", "1", "--silent-after", "3"});
    const TCliRun run = Cli({"--radio", "1", "read", device, Path("out.tvr")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors,
              "tavrin-cli: Communication timeout error.\n"
              "The read stopped at the VOX setting, before any record was read.\n"
              "Please check the cable and the transceiver's power, then read again.\n");
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));
}

// ---- A noisy line ----

// Each fault of a real line either leaves the right data (status 0) or ends
// as a failure that says so; never "completed" with wrong data.
TEST_F(CliExchange, LineFaultsEndWithTheRightDataOrAFailureThatSaysSo) {
    constexpr int kEither = -1;  // noise may land anywhere: right data or a failure
    const struct {
        const char* Name;
        int Row;
        QStringList Faults;
        const char* Command;
        QStringList Options;
        int Status;
        QStringList Said;  // on standard error; nothing at all when empty
    } cases[] = {
        // clang-format off
        {"stray CR in the pause", kMobileRow, {"--stray-cr", "5"}, "write", {"--scope", "menu"}, 0, {}},
        {"CR burst in the pause", kMobileRow, {"--cr-burst", "6:1000000"}, "read", {"--scope", "menu"}, 0, {}},
        {"CR burst in the pause", kMobileRow, {"--cr-burst", "5:1000000"}, "write", {"--scope", "menu"}, 0, {}},
        {"stray CR in the pause", kMobileRow, {"--stray-cr", "6"}, "read", {"--scope", "menu"}, 0, {}},
        {"stray CRs", kHandheldRow, {"--stray-cr", "10", "--stray-cr", "40"}, "read", {}, 0, {}},
        {"stray CRs", kHandheldRow, {"--stray-cr", "12", "--stray-cr", "30"}, "write", {}, 0, {}},
        {"CR burst", kHandheldRow, {"--cr-burst", "12:1000000"}, "write", {}, 0, {}},
        {"CR burst", kHandheldRow, {"--cr-burst", "10:1000000"}, "read", {}, 0, {}},
        {"noise burst", kHandheldRow, {"--noise-burst", "12:3000", "--seed", "7"}, "read", {}, kEither, {}},
        {"wrong channel", kHandheldRow, {"--wrong-channel", "11"}, "read", {}, 0, {}},
        {"NUL replies", kHandheldRow, {"--nul-replies-after", "20"}, "write", {}, 1,
         {"The transceiver did not confirm ", "a mix of old and new data"}},
        {"NUL replies", kMobileRow, {"--nul-replies-after", "5"}, "write", {"--scope", "menu"}, 1,
         {"The transceiver did not confirm 3 ", "a mix of old and new data"}},
        {"garbled replies", kHandheldRow, {"--garble-after", "9"}, "read", {}, 1,
         {"The transceiver gave no valid reply to \"ME 01\"", "The read was not completed"}},
        {"garbled replies", kMobileRow, {"--garble-after", "3"}, "read", {"--scope", "menu"}, 1,
         {"The transceiver gave no valid reply to \"TY\" (the market code)"}},
        {"silent before the market code", kHandheldRow, {"--silent-after", "5"}, "read", {}, 1,
         {"Communication timeout error.\nThe read stopped at the market code, before any record "
          "was read.\nPlease check the cable and the transceiver's power, then read again.\n"}},
        // The line goes before "TY" is written, or, on a busy machine, just after it: the
        // write fails, or no reply comes. Either way the one message says where and what next.
        {"line hung up", kMobileRow, {"--hangup-after", "2"}, "write", {"--scope", "menu"}, 1,
         {"\nThe write stopped at the market code, before any record was written.\n"
          "Please check the cable and the transceiver's power, then write again.\n"}},
        // On a loaded machine the XOFF has been seen not to hold the write, which then
        // completed: either way what the command says must be true.
        {"XOFF held", kHandheldRow, {"--xoff-after", "20"}, "write", {}, kEither,
         {"Write data Timeout", "The write was not completed"}},
        {"XOFF held", kMobileRow, {"--xoff-after", "5"}, "write", {"--scope", "menu"}, kEither,
         {"Write data Timeout", "The write was not completed"}},
        {"record not stored", kHandheldRow, {"--unstored", "8"}, "write", {"--verify"}, 1,
         {QString::fromStdString(VerifyFailedMessage(1)), "channel 0: "}},
        {"verified", kMobileRow, {}, "write", {"--scope", "menu", "--verify"}, 0, {kVerifiedMessage}},
        {"CALL refused once", kHandheldRow, {"--refuse", "CA:1"}, "read", {}, 0, {}},
        {"CALL answered N once", kHandheldRow, {"--refuse", "CA:1", "--refuse-with", "N"}, "read", {}, 0, {}},
        {"key lock always refused", kHandheldRow, {"--refuse", "LK", "--refuse-with", "E"}, "read", {}, 1,
         {"The transceiver gave no valid reply to \"LK\"", "The read was not completed"}},
        {"one reply behind", kMobileRow, {"--behind-from", "6"}, "read", {"--scope", "menu"}, kEither, {}},
        {"one reply behind", kHandheldRow, {"--behind-from", "95"}, "read", {}, kEither, {}},
        {"CALL refused", kHandheldRow, {"--refuse", "CA:1", "--refuse-with", "E"}, "write", {}, 1,
         {"The transceiver refused 1 of the records written:\nCA\n"}},
        // clang-format on
    };
    const char* count = "49";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " " + c.Command);
        const std::string row = std::to_string(c.Row);
        const std::string filled = FilledFile(c.Row, c.Row == kMobileRow ? "99" : count);
        const std::string fresh = NewFile(c.Row, c.Row == kMobileRow ? "99" : count);
        const bool reading = std::string_view(c.Command) == "read";
        QStringList simArguments = QStringList{"--radio", row.c_str()} + c.Faults;
        const QString device =
            reading ? StartSimWith(filled, simArguments) : StartSimWith(fresh, simArguments);
        const QString file = reading ? Path("out.tvr") : Put(filled, "in.tvr");
        QFile::remove(Path("out.tvr"));
        const TCliRun run =
            Cli(QStringList{"--radio", row.c_str(), c.Command, device, file} + c.Options);
        const std::string saved = StopSim();
        const bool menuOnly = c.Options.contains("menu");
        const TParts expected = menuOnly ? Mixed(fresh, filled) : PartsOf(filled);
        const bool right = PartsOf(reading ? Contents(file) : saved) == expected;
        int status = c.Status;
        if (c.Status == kEither) {
            if (run.Status == 0) {
                EXPECT_TRUE(right) << run.Errors.toStdString();
                continue;
            }
            status = 1;
        }
        EXPECT_EQ(run.Status, status) << run.Errors.toStdString();
        EXPECT_TRUE(status != 0 || right);
        EXPECT_FALSE(reading && status != 0 && QFile::exists(file));
        EXPECT_TRUE(!c.Said.isEmpty() || c.Status == kEither || run.Errors.isEmpty())
            << run.Errors.toStdString();
        for (const QString& text : c.Said)
            EXPECT_TRUE(run.Errors.contains(text)) << run.Errors.toStdString();
    }
}

// A record the transceiver would not take stops the write before the port is opened.
TEST_F(CliExchange, RecordsBreakingTheRulesAreListedAndNothingIsSent) {
    const std::string channel5 =
        "05,0145000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,";
    const struct {
        const char* What;
        std::string Channel5;
        std::string Dtmf3;
        QString Listed;
    } cases[] = {
        {"999.999999 MHz", "05,0999999999" + channel5.substr(13), "",
         "channel 05, RxFreq: \"0999999999\" is outside the band 136-174 MHz"},
        {"33-character name", channel5 + std::string(33, 'N'), "",
         "channel 05, Name: \"" + QString(33, 'N') + "\" is longer than 6 characters"},
        {"27-key DTMF code", channel5, "3," + std::string(27, '1'),
         "DTMF memory 3, Code: \"" + QString(27, '1') + "\" is longer than 16 keys"},
        {"tone index 99", channel5.substr(0, 26) + "99" + channel5.substr(28), "",
         "channel 05, ToneIndex: \"99\" is not a tone of the list (00 to 41)"},
    };
    const QString device = StartSim({"--radio", "1"}, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TRadioData data = NewData(kHandheldRow, "49");
        data.SetChannel(5, c.Channel5);
        data.SetDtmf(3, c.Dtmf3);
        const TCliRun run =
            Cli({"--radio", "1", "write", device, Put(WriteDataFile(data), "in.tvr"), "--yes"});
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Errors,
                  "tavrin-cli: The data cannot be written: these records break the transceiver's "
                  "rules.\n" +
                      c.Listed + "\n");
    }
    StopSim();
    EXPECT_FALSE(SimLogHolding("stopped by signal").contains("> "));
}

// ---- Questions ----

// Row 10 and row 11 differ only in the third market code character.
TEST_F(CliExchange, TheMarketCodeQuestionIsAnsweredOnlyByYes) {
    const std::string file = FilledFile(10, "99");
    QString device = StartSim({"--radio", "11"}, true);
    TCliRun run = Cli({"--radio", "10", "write", device, Put(file, "in.tvr"), "--scope", "menu"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kMarketQuestion);
    StopSim();
    const QString log = SimLogHolding("stopped by signal");
    EXPECT_TRUE(log.contains("> TY"));
    EXPECT_FALSE(log.contains("> CQ") || log.contains("> MU")) << log.toStdString();

    device = StartSim({"--radio", "11"});
    run = Cli({"--radio", "10", "write", device, Put(file, "in.tvr"), "--scope", "menu", "--yes"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, kMarketQuestion);
    EXPECT_EQ(PartsOf(StopSim()).Menu, PartsOf(file).Menu);
}

// A missing port shows how far each write went: a question declined stops it before the port.
TEST_F(CliExchange, ScanSettingsAreCheckedAgainstThePriorityAndWeatherChannels) {
    const struct {
        const char* Scan;
        bool PriorityChannel;
        bool WeatherChannel;
        QStringList Options;
        int Status;
        QString Errors;
    } cases[] = {
        {"1", false, true, {}, 1, kPriorityQuestion},
        {"1", false, true, {"--yes"}, 1, kPriorityQuestion + kPortUnavailable},
        {"1", true, true, {}, 1, kPortUnavailable},
        {"2", true, false, {}, 1, kWeatherQuestion},
        {"2", true, false, {"--yes"}, 1, kWeatherQuestion + kPortUnavailable},
        {"2", false, true, {}, 1, kPortUnavailable},
        {"1", false, false, {"--scope", "memory"}, 1, kPortUnavailable},
        {"2", true, true, {"--scope", "menu"}, 1, kWeatherNotice + kPortUnavailable},
    };
    for (const auto& c : cases) {
        TRadioData data = FilledWithinRules(Row(kHandheldRow), "49");
        data.SetMenuSlot(3, c.Scan);
        data.SetChannel(
            TRadioData::kPriorityRecord,
            c.PriorityChannel ? "PR,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,0,0,," : "");
        if (!c.WeatherChannel) data.SetChannel(TRadioData::kWeatherAlertRecord, "");
        const QString in = Put(WriteDataFile(data), "in.tvr");
        const TCliRun run = Cli(QStringList{"--radio", "1", "write", kMissingPort, in} + c.Options);
        EXPECT_EQ(run.Status, c.Status) << c.Scan << c.Options.join(' ').toStdString();
        EXPECT_EQ(run.Errors, c.Errors) << c.Scan << c.Options.join(' ').toStdString();
    }
}

TEST_F(CliExchange, TheMenuNoticeLetsTheWriteGoOn) {
    TRadioData data = FilledWithinRules(Row(kHandheldRow), "49");
    data.SetMenuSlot(3, "2");
    const std::string file = WriteDataFile(data);
    const QString device = StartSim({"--radio", "1"});
    const TCliRun run =
        Cli({"--radio", "1", "write", device, Put(file, "in.tvr"), "--scope", "menu"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, kWeatherNotice);
    EXPECT_EQ(PartsOf(StopSim()).Menu, PartsOf(file).Menu);
}

// ---- The console ----

TEST_F(CliExchange, CtrlCCancelsTheExchange) {
    for (const int interrupts : {1, 2}) {
        SCOPED_TRACE(interrupts);
        Log.clear();
        const QString device = StartSim({"--radio", "8"}, true);
        QProcess cli;
        PrepareCli(cli, Config.path());
        cli.setArguments({"--radio", "8", "read", device, Path("out.tvr")});
        cli.start();
        ASSERT_TRUE(SimLogHolding("> ME 002").contains("> ME 002"));
        QElapsedTimer sinceInterrupt;
        sinceInterrupt.start();
        for (int i = 0; i < interrupts; ++i) kill(static_cast<pid_t>(cli.processId()), SIGINT);
        ASSERT_TRUE(cli.waitForFinished(5000));
        EXPECT_LT(sinceInterrupt.elapsed(), 1500);
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        // A second Ctrl+C ends the program before it can say where the read stopped.
        const QByteArray errors = cli.readAllStandardError();
        EXPECT_EQ(cli.exitCode(), 130);
        if (interrupts == 1) {
            EXPECT_TRUE(errors.startsWith(
                "tavrin-cli: The read was not completed: it stopped at channel 0"))
                << errors.toStdString();
            EXPECT_TRUE(errors.endsWith("tavrin-cli: cancelled\n")) << errors.toStdString();
        }
        EXPECT_FALSE(QFile::exists(Path("out.tvr")));
        StopSim();
    }
}

TEST_F(CliExchange, ProgressIsDrawnOnlyOnATerminal) {
    const QString device = StartSim({"--radio", "1"});
    TPseudoTerminal terminal;
    QProcess cli;
    PrepareCli(cli, Config.path());
    cli.setStandardErrorFile(QString::fromStdString(terminal.Path()));
    cli.setArguments({"--radio", "1", "read", device, Path("out.tvr")});
    cli.start();
    std::string shown;
    const QDeadlineTimer deadline(10s);
    while (!cli.waitForFinished(0) && !deadline.hasExpired())
        shown += terminal.Receive(1 << 16, 20ms);
    shown += terminal.Receive(1 << 16, 50ms);
    EXPECT_EQ(cli.exitCode(), 0);
    const QRegularExpression lastBar(QStringLiteral("\r\\[#{30}\\] (\\d+)/\\1\n$"));
    EXPECT_TRUE(lastBar.match(QString::fromStdString(shown)).hasMatch()) << shown;
    EXPECT_TRUE(shown.starts_with("\r[ ")) << shown;
}

TEST_F(CliExchange, UsageErrorsAndFilesStopBeforeThePort) {
    const QString in = Put(FilledFile(kHandheldRow, "49"), "in.tvr");
    ASSERT_TRUE(MakeFifo(Path("fifo.tvr")));
    const QStringList usage[] = {
        {"read"},
        {"read", kMissingPort},
        {"read", kMissingPort, "out.tvr", "extra.tvr"},
        {"read", kMissingPort, "out.tvr", "--scope"},
        {"read", kMissingPort, "out.tvr", "--scope", "everything"},
        {"read", kMissingPort, "out.tvr", "--yes"},
        {"write", kMissingPort, in, "--scope", "All"},
        {"write", kMissingPort, in, "--force"},
        {"--yes", "write", kMissingPort, in},
    };
    for (const QStringList& arguments : usage) {
        const TCliRun run = Cli(QStringList{"--radio", "1"} + arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("\nTry 'tavrin-cli ")) << arguments.join(' ').toStdString();
    }
    const struct {
        QStringList Arguments;
        QString Errors;
    } files[] = {
        {{"read", kMissingPort, Path("out.txt")},
         "tavrin-cli: File Open error.\n" + Path("out.txt") + ": not a data file name (.tvr)\n"},
        {{"read", kMissingPort, Path("no-folder/out.tvr")},
         "tavrin-cli: File Open error.\n" + Path("no-folder/out.tvr") +
             ": its folder does not exist\n"},
        {{"read", kMissingPort, Path("fifo.tvr")},
         "tavrin-cli: File Open error.\n" + Path("fifo.tvr") + ": not a regular file\n"},
        {{"write", kMissingPort, Path("missing.tvr")},
         "tavrin-cli: File Open error.\n" + Path("missing.tvr") + ": No such file or directory\n"},
        {{"write", kMissingPort, Put(FilledFile(kMobileRow, "99"), "mobile.tvr")},
         "tavrin-cli: " + QString(kModelMismatchMessage) + "\n" + Path("mobile.tvr") +
             ": saved for another model\n"},
    };
    for (const auto& f : files) {
        const TCliRun run = Cli(QStringList{"--radio", "1"} + f.Arguments);
        EXPECT_EQ(run.Status, 2) << f.Arguments.join(' ').toStdString();
        EXPECT_EQ(run.Errors, f.Errors);
    }
}

}  // namespace

// ---- Backups and the communication log ----

namespace {

QStringList KeptFiles(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The commands in a log, in order, from the lines "#N > TEXT" of the
// simulator's or ">  TEXT<CR>" of the program's.
QStringList CommandsIn(const QString& log, const QRegularExpression& line) {
    QStringList commands;
    for (const QString& text : log.split('\n')) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch()) commands << match.captured(1);
    }
    return commands;
}

}  // namespace

TEST_F(CliExchange, ReadAndWriteKeepBackupsAndLogWritesEveryCommand) {
    const QString backups = Config.filePath("data/HALVERN/TAVRIN/Backups");
    const std::string radio = FilledFile(kHandheldRow, "49");
    QString device = StartSimWith(radio, {"--radio", "1", "--channels", "49"}, true);
    const QString logPath = Path("read.log");
    TCliRun run = Cli({"--radio", "1", "--log", logPath, "read", device, Path("out.tvr")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, "");
    StopSim();
    QStringList kept = KeptFiles(backups);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].endsWith(" PX-A5 read.tvr")) << kept[0].toStdString();
    EXPECT_EQ(Contents(QDir(backups).filePath(kept[0])), Contents(Path("out.tvr")));

    const QString ours = QString::fromStdString(Contents(logPath));
    EXPECT_TRUE(
        ours.startsWith("TAVRIN 3.11 communication log \u2014 read All, PX-A5 on " + device));
    const QStringList sent = CommandsIn(ours, QRegularExpression(R"(ms  >  (.*)<CR>$)"));
    const QStringList heard =
        CommandsIn(SimLogHolding("stopped by signal"), QRegularExpression(R"( #\d+ >(?: (.*))?$)"));
    EXPECT_GT(sent.size(), 10);
    EXPECT_EQ(sent, heard);
    EXPECT_TRUE(ours.trimmed().endsWith("--  ended: completed"));

    // A write keeps what it sends; no --log, no log.
    device = StartSim({"--radio", "1", "--channels", "49"});
    run = Cli({"--radio", "1", "write", device, Put(radio, "in.tvr"), "--scope", "memory"});
    EXPECT_EQ(run.Status, 0);
    StopSim();
    kept = KeptFiles(backups);
    ASSERT_EQ(kept.size(), 2);
    EXPECT_TRUE(kept[1].endsWith(" PX-A5 write-memory.tvr")) << kept[1].toStdString();
    EXPECT_EQ(PartsOf(Contents(QDir(backups).filePath(kept[1]))), PartsOf(radio));
    EXPECT_FALSE(QDir(Config.filePath("data/HALVERN/TAVRIN/Logs")).exists());
}

// Whether the log cannot be opened or the disk fills up under it, it is told
// once, not once a line.
TEST_F(CliExchange, ALogThatCannotBeWrittenIsToldOnceAndTheReadGoesOn) {
    TSmallDisk disk;
    const QString device = StartSimWith(FilledFile(kHandheldRow, "49"), {"--radio", "1"});
    std::vector<std::pair<QString, QString>> logs{
        {Path("missing/x.log"), "No such file or directory"}};
    if (disk.Mounted()) {
        disk.Fill(4096);  // room for the first lines only
        logs.emplace_back(disk.FilePath("read.log"), "No space left on device");
    }
    for (const auto& [log, reason] : logs) {
        QFile::remove(Path("out.tvr"));
        const TCliRun run = Cli({"--radio", "1", "--log", log, "read", device, Path("out.tvr")});
        EXPECT_EQ(run.Status, 0) << log.toStdString();
        EXPECT_EQ(run.Errors, "tavrin-cli: The communication log " + log +
                                  " cannot be written: " + reason + "\n");
        EXPECT_FALSE(Contents(Path("out.tvr")).empty());
    }
    StopSim();

    // Without a home folder nothing is kept under the root folder, and the read says so.
    QProcessEnvironment noHome;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) noHome.insert(name, "");
    const QString again = StartSimWith(FilledFile(kHandheldRow, "49"), {"--radio", "1"});
    const TCliRun run = Cli({"--radio", "1", "read", again, Path("home.tvr")}, noHome);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors,
              "tavrin-cli: Backups and communication logs cannot be kept: HOME is not set.\n");
    EXPECT_FALSE(Contents(Path("home.tvr")).empty());
    EXPECT_FALSE(QFileInfo::exists("/.local/share/HALVERN"));
    StopSim();
}
