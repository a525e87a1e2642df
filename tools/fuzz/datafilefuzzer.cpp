// Feeds arbitrary bytes to the data file reader for every radio configuration
// and checks that a file the program saved opens and saves again unchanged.
// (A damaged file may hold records too short to be saved, such as a VFO line
// of one field; the reset fills those with defaults, so the first save of a
// damaged file is itself only the program's own file.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/datafile.h"
#include "data/modelcatalogue.h"
#include "data/radiodata.h"

namespace {

TRadioData ResetFor(const TModelInfo& row, bool largerCount) {
    TRadioData data;
    ApplyConfiguration(data, row, largerCount ? ChannelCountsOf(row.Model).Larger : "");
    data.ClearRecords();
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the configuration; the rest is the file.
    const TModelInfo& row = ModelCatalogue()[bytes[0] % kCatalogueRows];
    const bool largerCount = (bytes[0] / kCatalogueRows) % 2 == 1;
    const std::string_view file(reinterpret_cast<const char*>(bytes + 1), size - 1);

    TRadioData data = ResetFor(row, largerCount);
    if (ReadDataFile(data, file) != TDataFileResult::Loaded) return 0;
    const auto reopen = [&](const std::string& saved) {
        TRadioData reopened = ResetFor(row, largerCount);
        if (ReadDataFile(reopened, saved) != TDataFileResult::Loaded) std::abort();
        return WriteDataFile(reopened);
    };
    const std::string ownFile = reopen(WriteDataFile(data));
    if (reopen(ownFile) != ownFile) std::abort();
    return 0;
}
