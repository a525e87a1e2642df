#include "core/model/channelview.h"

#include <cstdio>
#include <string_view>

#include "core/model/channelrecord.h"
#include "core/model/frequencyrules.h"
#include "core/model/modelprofile.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kSpecialRows = 7;  // L0, U0, L1, U1, L2, U2, PR
const char* const kSpecialLabels[] = {"L0", "U0", "L1", "U1", "L2", "U2", "PR", "AL"};

std::string FieldOf(const std::string& record, int field) {
    return RecordField(record, field);
}

bool IsSplit(const std::string& record) {
    return LeadingNumber(FieldOf(record, kTxFreqField)) >= 2;
}

std::string FrequencyPanel(const std::string& record) {
    if (IsSplit(record)) {
        return "Tx Freq. : " + FormatFrequencyText(FieldOf(record, kTxFreqField)) + "MHz";
    }
    const std::string shift = FieldOf(record, kShiftField);
    if (shift.starts_with('0') || shift.starts_with('3')) return {};
    const std::string offset = FieldOf(record, kOffsetField);
    if (offset.size() < 2) return {};
    return "Offset : " + FormatOffsetText(offset) + "MHz";
}

std::string ShiftPanel(const TRadioData& data, const std::string& record) {
    const std::string shift = FieldOf(record, kShiftField);
    std::string text;
    if (shift == "1") {
        text = "+";
    } else if (shift == "2") {
        text = "-";
    } else if (shift == "3") {
        text = ProfileOf(data).Minus76Market ? "-7.6" : "";
    } else if (IsSplit(record)) {
        return "+-";
    }
    if (FieldOf(record, kReverseField) == "1") text += " R";
    return text;
}

std::string TonePanel(const std::string& record) {
    if (FieldOf(record, kDcsField) == "1") {
        return std::string("DCS : ") + DcsList()[DcsPositionOf(FieldOf(record, kDcsIndexField))];
    }
    if (FieldOf(record, kCtcssField) == "1") {
        return std::string("CT : ") + ToneList()[TonePositionOf(FieldOf(record, kCtcssIndexField))];
    }
    if (FieldOf(record, kToneField) == "1") {
        return std::string("T : ") + ToneList()[TonePositionOf(FieldOf(record, kToneIndexField))];
    }
    return {};
}

std::string ProgramVfoPanel(const TRadioData& data) {
    return "Programmable VFO : " +
           std::to_string(LeadingNumber(data.GetField(TRadioData::kProgramVfoKind, 0, 0))) + "-" +
           std::to_string(LeadingNumber(data.GetField(TRadioData::kProgramVfoKind, 0, 1)));
}

}  // namespace

bool HasWeatherAlertRow(const TRadioData& data) {
    return ProfileOf(data).HasWeatherAlert;
}

int MemoryGridRowCount(const TRadioData& data) {
    return data.ChannelCount() + 9 + (HasWeatherAlertRow(data) ? 1 : 0);
}

int RecordOfMemoryRow(const TRadioData& data, int row) {
    const int count = data.ChannelCount();
    return row - 1 <= count ? row - 1 : row - count + 198;
}

std::string MemoryRowLabel(const TRadioData& data, int row) {
    const int record = RecordOfMemoryRow(data, row);
    if (record < TRadioData::kFirstSpecialRecord) {
        char label[16];
        std::snprintf(label, sizeof label, "%02d", record);
        return label;
    }
    const int special = record - TRadioData::kFirstSpecialRecord;
    return special <= kSpecialRows ? kSpecialLabels[special] : "";
}

std::string BandText(const TRadioData& data) {
    return std::to_string(ProfileOf(data).BandMhz) + "MHz";
}

TMemoryCells MemoryCellsOf(const TRadioData& data, const std::string& record) {
    if (record.empty()) return {};
    TMemoryCells cells;
    if (FieldOf(record, kLockoutField) == "1") cells.Lockout = "*";
    cells.Frequency = FormatFrequencyText(FieldOf(record, kRxFreqField));
    if (data.HasMemoryNames()) cells.Name = FieldOf(record, kNameField);
    return cells;
}

TStatusTexts StatusTextsOf(const TRadioData& data, const std::string& record,
                           TStatusSource source) {
    TStatusTexts texts;
    texts.Frequency = FrequencyPanel(record);
    texts.Shift = ShiftPanel(data, record);
    texts.Tone = TonePanel(record);
    if (source == TStatusSource::Vfo) texts.ProgramVfo = ProgramVfoPanel(data);
    return texts;
}
