// Times what a user waits for with a full 199-channel mobile file: opening
// it, filling the grids and saving it again, and taking it through a CSV list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "gui/pages/channelgrids.h"

namespace {

TRadioData FreshRv310() {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[7], "199");
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return data;
}

TRadioData FullRv310() {
    TRadioData data = FreshRv310();
    for (int channel = 0; channel <= 199; ++channel) {
        char label[8];
        std::snprintf(label, sizeof label, "%03d", channel);
        data.SetChannel(channel, std::string(label) + ",014" +
                                     std::to_string(5000000 + channel * 12500) +
                                     ",3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,0,,");
    }
    for (int special = 200; special <= 206; ++special) {
        data.SetChannel(special,
                        " L0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    }
    return data;
}

struct TFileFixture {
    QTemporaryDir Folder;
    QString Path = Folder.filePath(QStringLiteral("full.tvr"));
    TFileFixture() { SaveDataFile(FullRv310(), Path); }
};

void OpenFile(benchmark::State& state) {
    TFileFixture fixture;
    for (auto _ : state) {
        TRadioData data = FreshRv310();
        benchmark::DoNotOptimize(OpenDataFile(data, fixture.Path));
    }
}
BENCHMARK(OpenFile);

void FillGrids(benchmark::State& state) {
    const TRadioData data = FullRv310();
    QWidget page;
    TChannelGrids grids(page, data);
    grids.SetupGrids();
    for (auto _ : state) {
        grids.BlankCells();
        grids.SetupGrids();
        grids.RefreshGrids();
    }
}
BENCHMARK(FillGrids);

void SaveFile(benchmark::State& state) {
    TFileFixture fixture;
    const TRadioData data = FullRv310();
    for (auto _ : state) benchmark::DoNotOptimize(SaveDataFile(data, fixture.Path));
}
BENCHMARK(SaveFile);

void ExportCsv(benchmark::State& state) {
    const TRadioData data = FullRv310();
    for (auto _ : state) benchmark::DoNotOptimize(ExportCsvChannels(data));
}
BENCHMARK(ExportCsv);

void ImportCsv(benchmark::State& state) {
    const std::string list = ExportCsvChannels(FullRv310()).Text;
    for (auto _ : state) {
        TRadioData data = FreshRv310();
        benchmark::DoNotOptimize(ImportCsvChannels(data, list));
    }
}
BENCHMARK(ImportCsv);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
