// Times what a user waits for with a full 199-channel mobile file: opening
// it, filling the grids and saving it again, taking it through a CSV list, and
// filling and editing the Channels page's table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/channeltablemodel.h"

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

// Every cell of the table as a view asks for it: text, check mark and colour.
void FillChannelTable(benchmark::State& state) {
    TRadioData data = FullRv310();
    for (auto _ : state) {
        TChannelTableModel model(data);
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex cell = model.index(row, column);
                benchmark::DoNotOptimize(model.data(cell, Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(cell, Qt::CheckStateRole));
                benchmark::DoNotOptimize(model.data(cell, Qt::ForegroundRole));
            }
        }
    }
}
BENCHMARK(FillChannelTable);

// One frequency typed into the table, then the table shown again through the
// "Used only" filter and its visible rows painted, as the page does after every edit.
void EditChannelTableCell(benchmark::State& state) {
    TRadioData data = FullRv310();
    TChannelTableModel model(data);
    TChannelRowFilter filter(data);
    filter.setSourceModel(&model);
    filter.SetFilter({}, true);
    QTableView view;
    view.setModel(&filter);
    view.resize(680, 420);
    view.show();
    // The window is exposed, so a repaint paints.
    while (!view.windowHandle()->isExposed()) QCoreApplication::processEvents();
    const QModelIndex cell = model.index(100, static_cast<int>(TTableColumn::RxFrequency));
    bool toggle = false;
    for (auto _ : state) {
        toggle = !toggle;
        model.setData(cell, toggle ? QStringLiteral("146.52") : QStringLiteral("146.55"));
        model.Refresh();
        view.viewport()->repaint();
    }
}
BENCHMARK(EditChannelTableCell);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
