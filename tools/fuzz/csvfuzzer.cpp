// Feeds arbitrary bytes to the CSV channel import for every radio configuration and checks
// that what was imported leaves through the export and comes back unchanged, that the
// report shows no control character of the file's, and that no exported cell would run
// as a spreadsheet formula.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/files/csvchannels.h"
#include "core/files/csvtable.h"
#include "fuzz/fuzzinput.h"

namespace {

bool HasControlCharacter(const std::string& report) {
    return std::any_of(report.begin(), report.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == '\x7F';
    });
}

bool HasFormulaCell(const std::string& exported) {
    const TCsvTable table = ParseCsvTable(exported);
    return std::any_of(table.Rows.begin(), table.Rows.end(), [](const TCsvRow& row) {
        return std::any_of(row.Fields.begin(), row.Fields.end(), [](const std::string& field) {
            return field.size() > 1 &&
                   std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos;
        });
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    const TFuzzInput input = TFuzzInput::Of(bytes, size);
    TRadioData data = input.NewData();
    const TCsvImport import = ImportCsvChannels(data, input.File);
    if (HasControlCharacter(CsvImportReport(import))) std::abort();
    if (import.Imported == 0) {
        if (data.Changed) std::abort();
        return 0;
    }
    const TCsvExport exported = ExportCsvChannels(data);
    if (HasFormulaCell(exported.Text)) std::abort();
    TRadioData again = input.NewData();
    const TCsvImport reimport = ImportCsvChannels(again, exported.Text);
    if (reimport.Imported != exported.Exported || reimport.Skipped != 0) std::abort();
    for (int channel = 0; channel < TRadioData::kChannelCount; ++channel) {
        if (again.GetChannel(channel) != data.GetChannel(channel)) std::abort();
    }
    return 0;
}
