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

#include "core/files/datafile.h"
#include "fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    const TFuzzInput input = TFuzzInput::Of(bytes, size);
    TRadioData data = input.NewData();
    if (ReadDataFile(data, input.File) != TDataFileResult::Loaded) return 0;
    const auto reopen = [&](const std::string& saved) {
        TRadioData reopened = input.NewData();
        if (ReadDataFile(reopened, saved) != TDataFileResult::Loaded) std::abort();
        return WriteDataFile(reopened);
    };
    const std::string ownFile = reopen(WriteDataFile(data));
    if (reopen(ownFile) != ownFile) std::abort();
    return 0;
}
