// Writes a seed corpus for the data file fuzzer: one file as the program
// saves it for every configuration and channel count, filled with records.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrin-fuzz-seeds FOLDER\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    for (int row = 0; row < kCatalogueRows; ++row) {
        for (int larger = 0; larger < 2; ++larger) {
            const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
            TRadioData data;
            ApplyConfiguration(data, info, larger ? ChannelCountsOf(info.Model).Larger : "");
            data.ApplyDefaultRecords();
            data.ApplyWeatherAlertDefault();
            data.ApplyMenuDefaults();
            data.SetComment("seed");
            for (int index : {0, 7, 49, 200, 206}) {
                data.SetChannel(index, std::to_string(index) +
                                           ",0145500000,3,1,0,1,0,0,12,08,000,00600000,0,0,"
                                           "0000000000,0,1,,NAME,X");
            }
            data.SetDtmf(2, "2,12AB*#");
            const std::string file = WriteDataFile(data);
            const char selector = static_cast<char>(row + kCatalogueRows * larger);
            QFile seed(QStringLiteral("%1/seed-%2-%3.bin").arg(argv[1]).arg(row + 1).arg(larger));
            if (!seed.open(QIODevice::WriteOnly)) return 1;
            seed.write(&selector, 1);
            seed.write(file.data(), static_cast<qint64>(file.size()));
        }
    }
    return 0;
}
