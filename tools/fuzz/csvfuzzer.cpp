// Feeds arbitrary bytes to the CSV channel import for every radio configuration and checks
// that what was imported leaves through the export and comes back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/csvchannels.h"
#include "fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    const TFuzzInput input = TFuzzInput::Of(bytes, size);
    TRadioData data = input.NewData();
    const TCsvImport import = ImportCsvChannels(data, input.File);
    if (import.Imported == 0) {
        if (data.Changed) std::abort();
        return 0;
    }
    const TCsvExport exported = ExportCsvChannels(data);
    TRadioData again = input.NewData();
    const TCsvImport reimport = ImportCsvChannels(again, exported.Text);
    if (reimport.Imported != exported.Exported || reimport.Skipped != 0) std::abort();
    for (int channel = 0; channel < TRadioData::kChannelCount; ++channel) {
        if (again.GetChannel(channel) != data.GetChannel(channel)) std::abort();
    }
    return 0;
}
