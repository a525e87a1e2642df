// Times whole read and write exchanges with the largest memories against the
// transceiver simulator on a modelled 9600 bit/s line, and compares each with
// the least time the protocol allows: every byte's line time both ways, the
// pause before each command on the mobiles and the start delay. A 1 ms timer
// on the same event loop measures the longest the loop was kept from it.
//
// usage: tavrin-exchange-bench [--repeat N] [CASE...]
//   cases: handheld-read handheld-write mobile-read mobile-write mobile-verified-write
//   (default: all)
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "core/radio/exchangerunner.h"
#include "core/radio/radiocommands.h"
#include "core/radio/readexchange.h"
#include "core/radio/verifiedwrite.h"
#include "core/radio/writeexchange.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;
using TMilliseconds = std::chrono::duration<double, std::milli>;

// 10 bits a byte (start, 8 data, stop) at 9600 bit/s.
constexpr std::chrono::nanoseconds LineTime(int64_t bytes) {
    return std::chrono::nanoseconds((bytes * 10'000'000'000 + 9599) / 9600);
}

struct TCase {
    const char* Name;
    int Row;
    const char* Channels;
    bool Write;
    bool Verify = false;  // the write is read back and compared
};

constexpr TCase kCases[] = {
    {"handheld-read", 1, "99", false},
    {"handheld-write", 1, "99", true},
    {"mobile-read", 8, "199", false},
    {"mobile-write", 8, "199", true},
    {"mobile-verified-write", 8, "199", true, true},
};

// ---- The data: every entry of the largest memory in use ----

std::string LabelOf(const TRadioData& data, int record) {
    static const char* const kSpecial[] = {"L0", "U0", "L1", "U1", "L2", "U2", "PR", "AL"};
    const TLabelForm& labels = ProfileOf(data).Labels;
    char label[8];
    if (record < TRadioData::kFirstSpecialRecord) {
        std::snprintf(label, sizeof label, "%0*d", labels.Digits, record);
    } else {
        std::snprintf(label, sizeof label, "%s%s", labels.SpecialPrefix,
                      kSpecial[record - TRadioData::kFirstSpecialRecord]);
    }
    return label;
}

TRadioData FullData(const TCase& benchCase) {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(benchCase.Row - 1)],
                       benchCase.Channels);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    for (int position = 0; position <= data.LastRowPosition(); ++position) {
        const int record = data.RecordIndexOfPosition(position);
        const std::string name = data.HasMemoryNames() ? "CH" + std::to_string(position) : "";
        data.SetChannel(record, LabelOf(data, record) + ",0145" + std::to_string(100000 + record) +
                                    ",3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,1,," + name);
    }
    data.SetCall("0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,");
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        data.SetDtmf(entry, std::to_string(entry) + ",0123456789ABCD*#");
    }
    data.SetMenuSlot(kPowerOnMessageSlot, "CQ-DX");
    return data;
}

// ---- The line ----

bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

void WriteAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count > 0) {
            written += static_cast<size_t>(count);
        } else if (count < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd out{fd, POLLOUT, 0};
            poll(&out, 1, 10);
        }
    }
}

// One direction of the line: a byte handed to it arrives one byte time after
// the line is free for it, as through a pair of UARTs.
class TLineDirection {
public:
    void Hand(const char* bytes, size_t count, TClock::time_point now) {
        for (size_t i = 0; i < count; ++i) {
            Free = std::max(Free, now) + LineTime(1);
            Pending.push_back({Free, bytes[i]});
            if (bytes[i] == '\r') ++Lines;
        }
        Bytes += static_cast<int64_t>(count);
    }

    // Writes what has arrived by `now` to `fd`; true when a line end was among it.
    bool Deliver(int fd, TClock::time_point now) {
        std::string arrived;
        while (!Pending.empty() && Pending.front().first <= now) {
            arrived += Pending.front().second;
            Pending.pop_front();
        }
        if (!arrived.empty()) WriteAll(fd, arrived);
        return arrived.find('\r') != std::string::npos;
    }

    std::optional<TClock::time_point> NextArrival() const {
        if (Pending.empty()) return std::nullopt;
        return Pending.front().first;
    }

    int64_t Bytes = 0;
    int64_t Lines = 0;

private:
    std::deque<std::pair<TClock::time_point, char>> Pending;
    TClock::time_point Free{};
};

// A 9600 bit/s line between the program and the simulator: the program gets
// a pseudo-terminal of its own, and a thread carries the bytes across in
// their line time, counting them. The simulator paces what it hands over as
// its own transmitter would; the line adds the time each byte is under way.
class TLineRelay {
public:
    ~TLineRelay() {
        Stop();
        for (int fd : {ProgramMaster, ProgramSlave, SimLine, Wake[0], Wake[1]}) {
            if (fd >= 0) close(fd);
        }
    }

    bool Open(const std::string& simDevice) {
        ProgramMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        char name[PATH_MAX] = {};
        if (ProgramMaster < 0 || grantpt(ProgramMaster) != 0 || unlockpt(ProgramMaster) != 0 ||
            ptsname_r(ProgramMaster, name, sizeof name) != 0 || !MakeRaw(ProgramMaster)) {
            return false;
        }
        Device = name;
        // Held open so that the line stays up while the program has let go of it.
        ProgramSlave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        SimLine = open(simDevice.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        return ProgramSlave >= 0 && MakeRaw(ProgramSlave) && SimLine >= 0 && MakeRaw(SimLine) &&
               pipe2(Wake, O_CLOEXEC | O_NONBLOCK) == 0;
    }

    const std::string& ProgramDevice() const { return Device; }

    // Starts carrying; the program's first turn counts from `start`.
    void Start(TClock::time_point start) {
        LastReplyEnd = start;
        Carrier = std::thread(&TLineRelay::Run, this);
    }

    void Stop() {
        if (!Carrier.joinable()) return;
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(Wake[1], &byte, 1);
        Carrier.join();
    }

    // Valid once stopped.
    TLineDirection ToSim;
    TLineDirection ToProgram;
    // The program's turns: from the end of a reply reaching it (or the
    // start) to the first byte of its next command, added up.
    TClock::duration ProgramTurns{};

private:
    void Run() {
        for (;;) {
            TClock::time_point now = TClock::now();
            ToSim.Deliver(SimLine, now);
            if (ToProgram.Deliver(ProgramMaster, now)) LastReplyEnd = now;
            pollfd fds[3] = {
                {ProgramMaster, POLLIN, 0}, {SimLine, POLLIN, 0}, {Wake[0], POLLIN, 0}};
            const timespec* timeout = nullptr;
            timespec wait{};
            if (const auto next = EarliestArrival()) {
                const auto left = std::max(*next - now, TClock::duration::zero());
                wait.tv_sec = static_cast<time_t>(left.count() / 1'000'000'000);
                wait.tv_nsec = static_cast<long>(left.count() % 1'000'000'000);
                timeout = &wait;
            }
            if (ppoll(fds, 3, timeout, nullptr) < 0 && errno != EINTR) return;
            if (fds[2].revents != 0) return;
            now = TClock::now();
            if (fds[0].revents & POLLIN) {
                if (LastReplyEnd) ProgramTurns += now - *LastReplyEnd;
                LastReplyEnd.reset();
                Carry(ProgramMaster, ToSim, now);
            }
            if (fds[1].revents & POLLIN) Carry(SimLine, ToProgram, now);
        }
    }

    static void Carry(int from, TLineDirection& direction, TClock::time_point now) {
        char buffer[512];
        const ssize_t count = read(from, buffer, sizeof buffer);
        if (count > 0) direction.Hand(buffer, static_cast<size_t>(count), now);
    }

    std::optional<TClock::time_point> EarliestArrival() const {
        const auto a = ToSim.NextArrival();
        const auto b = ToProgram.NextArrival();
        if (a && b) return std::min(*a, *b);
        return a ? a : b;
    }

    std::optional<TClock::time_point> LastReplyEnd;
    int ProgramMaster = -1;
    int ProgramSlave = -1;
    int SimLine = -1;
    int Wake[2] = {-1, -1};
    std::string Device;
    std::thread Carrier;
};

// ---- The loop ----

// The longest gap between the ticks of a 1 ms timer: how long the event loop
// was kept busy at a stretch.
class TStallProbe {
public:
    TStallProbe() {
        Ticker.setTimerType(Qt::PreciseTimer);
        Ticker.setInterval(1);
        QObject::connect(&Ticker, &QTimer::timeout, [this] {
            const auto now = TClock::now();
            Longest = std::max(Longest, now - Last);
            Last = now;
        });
    }
    void Start() {
        Last = TClock::now();
        Ticker.start();
    }
    void Stop() { Ticker.stop(); }

    TClock::duration Longest{};

private:
    QTimer Ticker;
    TClock::time_point Last;
};

class TBenchView : public TExchangeView {
public:
    void SetProgressMaximum(int) override {}
    void SetProgress(int) override {}
    void ShowError(const std::string& message) override { Messages += message + "\n"; }
    void ShowWarning(const std::string& message) override { Messages += message + "\n"; }
    bool AskToContinue(const std::string& question) override {
        Messages += question + "\n";
        return false;
    }
    void Finished(TExchangeOutcome outcome) override {
        End = TClock::now();
        Outcome = outcome;
        Loop.quit();
    }

    QEventLoop Loop;
    std::optional<TExchangeOutcome> Outcome;
    TClock::time_point End;
    std::string Messages;
};

// ---- One run ----

struct TResult {
    bool Done = false;
    bool ContentsMatch = false;
    std::string Problem;
    int64_t Commands = 0;
    int64_t BytesOut = 0;
    int64_t BytesIn = 0;
    TClock::duration Measured{};
    TClock::duration Floor{};
    TClock::duration ProgramOverhead{};  // its turns beyond the pauses it must make
    TClock::duration LongestStall{};
};

class TSimulator {
public:
    ~TSimulator() {
        if (Process.state() == QProcess::NotRunning) return;
        Process.kill();
        Process.waitForFinished(5000);
    }

    std::string Start(const QStringList& arguments) {
        Process.start(QStringLiteral(TAVRIN_RADIOSIM_PATH), arguments);
        while (!Process.canReadLine() && Process.waitForReadyRead(5000)) {
        }
        return Process.readLine().trimmed().toStdString();
    }

    bool Stop() {
        Process.terminate();
        return Process.waitForFinished(10000) && Process.exitCode() == 0;
    }

    QProcess Process;
};

// A verified write waits the start delay twice: before the write and before its read-back.
TClock::duration PausesOf(const TResult& result, std::chrono::milliseconds commandDelay,
                          bool verify) {
    return kStartDelay * (verify ? 2 : 1) + result.Commands * commandDelay;
}

// Runs the exchange on the event loop; the figures of the line and the loop.
void RunExchange(TLineRelay& line, TExchangeRunner& runner, TBenchView& view, TResult& result) {
    TStallProbe probe;
    probe.Start();
    const TClock::time_point start = TClock::now();
    line.Start(start);
    if (runner.Begin(line.ProgramDevice())) {
        if (!view.Outcome) view.Loop.exec();
        result.Measured = view.End - start;
    }
    probe.Stop();
    line.Stop();
    result.Done = view.Outcome == TExchangeOutcome::Done;
    result.Problem = view.Messages;
    result.LongestStall = probe.Longest;
    result.Commands = line.ToSim.Lines;
    result.BytesOut = line.ToSim.Bytes;
    result.BytesIn = line.ToProgram.Bytes;
    result.ProgramOverhead = line.ProgramTurns;
}

TResult RunCase(const TCase& benchCase) {
    TResult result;
    QTemporaryDir folder;
    const TRadioData full = FullData(benchCase);
    const QString fullPath = folder.filePath(QStringLiteral("full.tvr"));
    const QString savedPath = folder.filePath(QStringLiteral("saved.tvr"));
    SaveDataFile(full, fullPath);
    QStringList arguments{"--radio",    QString::number(benchCase.Row),
                          "--channels", benchCase.Channels,
                          "--pace",     "--quiet",
                          "--save",     savedPath};
    if (!benchCase.Write) arguments << "--load" << fullPath;

    TSimulator sim;
    TLineRelay line;
    if (!line.Open(sim.Start(arguments))) {
        result.Problem = "the simulator's line could not be opened";
        return result;
    }
    TRadioData data = FullData(benchCase);
    if (!benchCase.Write) {
        data.ClearRecords();
        data.ApplyDefaultRecords();
        data.ApplyWeatherAlertDefault();
        data.ApplyMenuDefaults();
    }
    TBenchView view;
    TExchangeRunner runner(view);
    if (benchCase.Verify) {
        runner.SetExchange(
            std::make_unique<TVerifiedWrite>(data, runner, TTransferScope::All, false));
    } else if (benchCase.Write) {
        runner.SetExchange(
            std::make_unique<TWriteExchange>(data, runner, TTransferScope::All, false));
    } else {
        runner.SetExchange(
            std::make_unique<TReadExchange>(data, runner, TTransferScope::All, false));
    }
    RunExchange(line, runner, view, result);
    const TClock::duration pauses =
        PausesOf(result, ProfileOf(data).CommandDelay, benchCase.Verify);
    result.Floor = LineTime(result.BytesOut + result.BytesIn) + pauses;
    result.ProgramOverhead -= pauses;

    const bool stopped = sim.Stop();
    std::optional<std::string> saved = LoadDataFileBytes(savedPath);
    result.ContentsMatch = benchCase.Write ? stopped && saved == WriteDataFile(full)
                                           : WriteDataFile(data) == WriteDataFile(full);
    return result;
}

// ---- Report ----

void PrintHeader() {
    std::printf("%-21s %8s %9s %9s %11s %11s %7s %7s %12s %9s %s\n", "exchange", "commands",
                "bytes out", "bytes in", "floor", "measured", "ratio", "program", "program/cmd",
                "stall max", "contents");
}

void PrintResult(const TCase& benchCase, const TResult& result) {
    if (!result.Done) {
        std::printf("%-21s did not finish: %s\n", benchCase.Name, result.Problem.c_str());
        return;
    }
    const double measured = TMilliseconds(result.Measured).count();
    const double floor = TMilliseconds(result.Floor).count();
    const double program = TMilliseconds(result.ProgramOverhead).count();
    std::printf("%-21s %8lld %9lld %9lld %8.1f ms %8.1f ms %7.4f %7.4f %9.3f ms %6.2f ms %s\n",
                benchCase.Name, static_cast<long long>(result.Commands),
                static_cast<long long>(result.BytesOut), static_cast<long long>(result.BytesIn),
                floor, measured, measured / floor, (floor + program) / floor,
                program / static_cast<double>(result.Commands),
                TMilliseconds(result.LongestStall).count(),
                result.ContentsMatch ? "match" : "DIFFER");
    std::fflush(stdout);
}

std::vector<const TCase*> ChosenCases(const QStringList& names) {
    std::vector<const TCase*> chosen;
    for (const TCase& benchCase : kCases) {
        if (names.isEmpty() || names.contains(QLatin1String(benchCase.Name))) {
            chosen.push_back(&benchCase);
        }
    }
    return chosen;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList names = QCoreApplication::arguments().mid(1);
    int repeat = 1;
    if (names.size() >= 2 && names[0] == QLatin1String("--repeat")) {
        repeat = std::max(1, names[1].toInt());
        names = names.mid(2);
    }
    const std::vector<const TCase*> cases = ChosenCases(names);
    if (cases.empty()) {
        std::fprintf(stderr, "usage: tavrin-exchange-bench [--repeat N] [CASE...]\n");
        return 2;
    }
    std::printf(
        "Exchanges on a modelled 9600 bit/s line.\n"
        "  floor        line time of every byte both ways, 80 ms before each mobile command,\n"
        "               50 ms start delay\n"
        "  ratio        measured / floor\n"
        "  program      (floor + the program's own turns) / floor: the part of the ratio that\n"
        "               is the program's; the rest is the simulator's answering and pacing\n"
        "  program/cmd  the program's turn from a reply's end to its next command, beyond\n"
        "               the pauses it must make\n"
        "  stall max    longest gap between the ticks of a 1 ms timer on the event loop\n");
    PrintHeader();
    bool allGood = true;
    for (int run = 0; run < repeat; ++run) {
        for (const TCase* benchCase : cases) {
            const TResult result = RunCase(*benchCase);
            PrintResult(*benchCase, result);
            allGood = allGood && result.Done && result.ContentsMatch;
        }
    }
    return allGood ? 0 : 1;
}
