#include <gtest/gtest.h>

#include <vector>

#include "core/files/channelrows.h"
#include "core/files/csvchannels.h"
#include "core/model/channelediting.h"
#include "core/model/frequencyrules.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/everyconfiguration.h"

namespace {

TRadioData NewData(const TModelInfo& row, const char* count) {
    TRadioData data;
    ApplyConfiguration(data, row, count);
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    return data;
}

// A frequency every step of every list holds: a multiple of 3 MHz at or above the band's
// lower edge, plus multiples of 300 kHz, so that it stays inside even a 2 MHz band.
std::string FrequencyText(const TRadioData& data, int channel) {
    const int lower = std::stoi(data.GetBandLimit().substr(0, 4));
    const int base = (lower + 2) / 3 * 3;
    const int kilohertz = channel % 5 * 300;
    return std::to_string(base + kilohertz / 1000) + "." + std::to_string(kilohertz % 1000 / 100);
}

// Every other channel and the last one (every count is odd), with every kind of setting
// the layout carries.
std::vector<int> FilledChannels(const TRadioData& data) {
    std::vector<int> channels;
    for (int channel = 0; channel <= data.ChannelCount(); channel += 2) channels.push_back(channel);
    if (channels.back() != data.ChannelCount()) channels.push_back(data.ChannelCount());
    return channels;
}

void FillChannels(TRadioData& data) {
    const int steps = static_cast<int>(StepListTexts(data.GetModel()).size());
    for (const int channel : FilledChannels(data)) {
        TMemoryEdits edits;
        edits.Position = channel;
        edits.RxText = FrequencyText(data, channel);
        edits.TxText = FrequencyText(data, channel + 1);
        edits.OffsetText = "0." + std::to_string(channel % 10) + "5";
        edits.StepPosition = edits.TxStepPosition = channel % steps;
        edits.Shift = static_cast<TShiftChoice>(channel / 2 % 4);  // split, simplex, +, -
        edits.Tone = static_cast<TToneChoice>(channel / 8 % 4);
        edits.TonePosition = channel % kToneCount;
        edits.CtcssPosition = channel * 3 % kToneCount;
        edits.DcsPosition = channel * 7 % kDcsCount;
        edits.Narrow = channel % 3 == 0;
        edits.Lockout = channel % 5 == 0;
        // A name starting with '-' leaves with an apostrophe, so spreadsheets keep it as text.
        if (data.HasMemoryNames()) {
            edits.Name = (channel % 4 == 0 ? "-" : "CH-") + std::to_string(channel);
        }
        const TMemoryRecord record = BuildMemoryRecord(data, edits);
        ASSERT_FALSE(record.Rounded) << data.GetModel() << " channel " << channel;
        data.SetChannel(record.RecordIndex, record.Text);
    }
}

class CsvRoundTripOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(CsvRoundTripOfEveryConfiguration, ExportThenImportGivesTheSameChannelsInEitherCount) {
    const TModelInfo& row = RowOf(GetParam());
    const TChannelCounts counts = ChannelCountsOf(row.Model);
    for (const char* count : {counts.Smaller, counts.Larger}) {
        SCOPED_TRACE(std::string(row.Caption) + " with " + count + " channels");
        TRadioData original = NewData(row, count);
        FillChannels(original);
        const TCsvExport exported = ExportCsvChannels(original);
        EXPECT_TRUE(exported.Notes.empty());
        EXPECT_EQ(exported.Exported, static_cast<int>(FilledChannels(original).size()));
        ASSERT_GT(original.GetChannel(original.ChannelCount()).size(), kEmptyRecordLength);

        TRadioData imported = NewData(row, count);
        const TCsvImport import = ImportCsvChannels(imported, exported.Text);
        EXPECT_EQ(import.Imported, exported.Exported);
        EXPECT_TRUE(import.Notes.empty()) << CsvImportReport(import);
        for (int channel = 0; channel < TRadioData::kChannelCount; ++channel) {
            ASSERT_EQ(imported.GetChannel(channel), original.GetChannel(channel))
                << "channel " << channel;
        }
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(CsvRoundTripOfEveryConfiguration);

// Lists as other programs or people write them: what the import makes of each must leave
// through the export and come back the same.
TEST(CsvRoundTrip, ImportThenExportThenImportGivesTheSameChannels) {
    const struct {
        int Row;  // in the order of Model Select, from 0
        const char* Count;
        const char* List;
    } cases[] = {
        // A split line without a step: its transmit frequency lies on the usual step, its
        // receive frequency only on the finest.
        {8, "199", ",Frequency,Duplex,Offset\n,145.04,split,145"},
        {7, "99", "Name,Frequency,Duplex,Offset,TStep\nODD,146.52,split,145.00625,5.00"},
        {7, "99", "Name,Frequency\n-2/3,146.52\n'-AB,146.55\n'ABC,146.58\n@-X,146.61"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.List);
        TRadioData first = NewData(ModelCatalogue()[c.Row], c.Count);
        ASSERT_GT(ImportCsvChannels(first, c.List).Imported, 0);
        const TCsvExport exported = ExportCsvChannels(first);
        TRadioData second = NewData(ModelCatalogue()[c.Row], c.Count);
        const TCsvImport again = ImportCsvChannels(second, exported.Text);
        EXPECT_EQ(again.Imported, exported.Exported);
        EXPECT_EQ(again.Skipped, 0);
        for (int channel = 0; channel < TRadioData::kChannelCount; ++channel) {
            ASSERT_EQ(second.GetChannel(channel), first.GetChannel(channel))
                << "channel " << channel;
        }
    }
}

// Rows copied from the channel table, the empty ones among them, pasted at the top of an
// empty table: every channel in its place, the empty ones empty.
TEST(CsvRoundTrip, CopiedRowsPasteBackAsTheSameChannels) {
    for (const int row : {0, 7, 8}) {
        const TModelInfo& model = ModelCatalogue()[row];
        const TChannelCounts counts = ChannelCountsOf(model.Model);
        for (const char* count : {counts.Smaller, counts.Larger}) {
            SCOPED_TRACE(std::string(model.Caption) + " with " + count + " channels");
            TRadioData original = NewData(model, count);
            FillChannels(original);
            std::vector<int> rows(TRadioData::kChannelCount);
            for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
            const std::string text = ChannelRowsText(original, rows);

            TRadioData pasted = NewData(model, count);
            const TCsvImport import = PasteChannelRows(pasted, text, rows);
            const std::vector<int> channels = FilledChannels(original);
            EXPECT_EQ(import.Imported, static_cast<int>(channels.size()));
            EXPECT_EQ(import.Emptied, original.ChannelCount() + 1 - import.Imported);
            EXPECT_TRUE(import.Notes.empty()) << CsvImportReport(import);
            for (int channel = 0; channel <= original.ChannelCount(); ++channel) {
                ASSERT_EQ(pasted.GetChannel(channel), original.GetChannel(channel))
                    << "channel " << channel;
            }
        }
    }
}

}  // namespace
