// tavrin-radiosim: stands in for a transceiver on a pseudo-terminal, so that
// the program's radio link can be tried without a radio.
#include <signal.h>
#include <sys/signalfd.h>

#include <QString>
#include <algorithm>
#include <cstdio>
#include <random>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "radiosim/options.h"
#include "radiosim/server.h"
#include "radiosim/simline.h"
#include "radiosim/simlog.h"
#include "radiosim/transceiver.h"

namespace {

int Fail(int status, const std::string& problem, bool withUsage = false) {
    std::fprintf(stderr, "tavrin-radiosim: %s\n%s", problem.c_str(),
                 withUsage ? SimUsageText().c_str() : "");
    return status;
}

const TModelInfo& RowOf(const TSimOptions& options) {
    return ModelCatalogue()[static_cast<size_t>(options.Row - 1)];
}

// The memory as New makes it, or as Open makes it from the file given.
bool FillMemory(const TSimOptions& options, TRadioData& data, std::string& error) {
    ApplyConfiguration(data, RowOf(options), options.Channels);
    if (options.LoadPath.empty()) {
        data.ApplyDefaultRecords();
        data.ApplyWeatherAlertDefault();
        data.ApplyMenuDefaults();
        return true;
    }
    const TDataFileResult result = OpenDataFile(data, QString::fromStdString(options.LoadPath));
    if (result == TDataFileResult::Loaded) return true;
    error = options.LoadPath + ": " + DataFileMessage(result);
    return false;
}

// The stop signals are taken from a descriptor, so the event loop sees them
// between two steps and never in the middle of one.
int StopSignals() {
    signal(SIGPIPE, SIG_IGN);
    sigset_t stopSet;
    sigemptyset(&stopSet);
    sigaddset(&stopSet, SIGINT);
    sigaddset(&stopSet, SIGTERM);
    sigaddset(&stopSet, SIGHUP);
    if (sigprocmask(SIG_BLOCK, &stopSet, nullptr) != 0) return -1;
    return signalfd(-1, &stopSet, SFD_CLOEXEC | SFD_NONBLOCK);
}

bool OpenLog(const TSimOptions& options, TSimLog& log) {
    if (options.Quiet) return true;
    if (options.LogPath.empty()) {
        log.UseStandardError();
        return true;
    }
    return log.OpenFile(options.LogPath);
}

TFaultPlan PlanOf(const TSimOptions& options, TSimLog& log) {
    TFaultPlan plan = options.Faults;
    plan.Seed = options.Seed ? *options.Seed : std::random_device{}();
    const bool noisy = std::any_of(plan.Strays.begin(), plan.Strays.end(), [](const auto& stray) {
        return stray.Kind == TStrayBytes::TKind::Noise;
    });
    if (plan.RefusalRate > 0.0 || noisy) log.Write("seed " + std::to_string(plan.Seed));
    return plan;
}

int Serve(const TSimOptions& options, TRadioData data, TSimLog& log, int signalFd) {
    TSimLine line;
    std::string error;
    if (!line.Open(error)) return Fail(kExitFailed, error);
    if (!options.LinkPath.empty() && !line.Link(options.LinkPath, error)) {
        return Fail(kExitFailed, error);
    }
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    const std::string id = options.Id.empty() ? std::string(RowOf(options).Model) : options.Id;
    log.Write("serving " + line.DevicePath() + " as " + id + " " + data.GetMarketCode() +
              ", channels 0.." + data.GetMenuSlot(kChannelCountSlot));
    TTransceiver radio(std::move(data), id, options.ProtectAnswer);
    TFaults faults(PlanOf(options, log));
    TSimServer(radio, faults, line, log).Run(signalFd);

    if (!options.SavePath.empty() &&
        !SaveDataFile(radio.Data(), QString::fromStdString(options.SavePath))) {
        return Fail(kExitFailed, options.SavePath + ": " + kFileOpenErrorMessage);
    }
    return kExitClean;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string error;
    const std::optional<TSimOptions> options =
        ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) return Fail(kExitUsage, error, true);
    if (options->Help) {
        std::fputs(SimUsageText().c_str(), stdout);
        return kExitClean;
    }
    if (options->Version) {
        std::fputs("tavrin-radiosim " TAVRIN_VERSION "\n", stdout);
        return kExitClean;
    }
    TRadioData data;
    if (!FillMemory(*options, data, error)) return Fail(kExitUsage, error);
    TSimLog log;
    if (!OpenLog(*options, log)) return Fail(kExitUsage, options->LogPath + ": cannot write");
    const int signalFd = StopSignals();
    if (signalFd < 0) return Fail(kExitFailed, "cannot take the stop signals");
    return Serve(*options, std::move(data), log, signalFd);
}
