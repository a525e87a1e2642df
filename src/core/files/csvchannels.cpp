#include "core/files/csvchannels.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>

#include "core/files/csvtable.h"
#include "core/model/channelediting.h"
#include "core/model/channelrecord.h"
#include "core/model/frequencyrules.h"
#include "core/model/radiodata.h"

namespace {

constexpr int64_t kHertzPerMhz = 1'000'000;
constexpr int kDefaultTonePosition = 8;    // 88.5 Hz
constexpr size_t kMostListedLines = 1000;  // several times the most channels a model has

// The columns the import reads; the others are carried by the layout but not by the radio.
struct TColumns {
    int Location, Name, Frequency, Duplex, Offset, Tone, RTone, CTone, Dtcs, Polarity, Mode, Step,
        Skip;
    std::vector<int> Unstored;  // Power, Comment and the digital voice calls
};

TColumns ColumnsOf(const TCsvTable& table) {
    TColumns columns{table.ColumnOf("Location"),  table.ColumnOf("Name"),
                     table.ColumnOf("Frequency"), table.ColumnOf("Duplex"),
                     table.ColumnOf("Offset"),    table.ColumnOf("Tone"),
                     table.ColumnOf("rToneFreq"), table.ColumnOf("cToneFreq"),
                     table.ColumnOf("DtcsCode"),  table.ColumnOf("DtcsPolarity"),
                     table.ColumnOf("Mode"),      table.ColumnOf("TStep"),
                     table.ColumnOf("Skip"),      {}};
    for (const char* name : {"Power", "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"}) {
        if (const int column = table.ColumnOf(name); column >= 0)
            columns.Unstored.push_back(column);
    }
    return columns;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A decimal text as an integer in units of 10^-decimals ("146.52", 6 -> 146520000). Digits
// beyond that precision are dropped; `exact` tells whether they were all zeros.
std::optional<int64_t> ScaledDecimal(std::string_view text, int decimals, bool* exact = nullptr) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction)) return {};
    if (whole.size() > 9) return {};
    int64_t value = 0;
    for (const char c : whole) value = value * 10 + (c - '0');
    for (int i = 0; i < decimals; ++i) {
        value = value * 10 + (static_cast<size_t>(i) < fraction.size() ? fraction[i] - '0' : 0);
    }
    const std::string_view rest =
        fraction.size() > static_cast<size_t>(decimals) ? fraction.substr(decimals) : "";
    if (exact) *exact = rest.find_first_not_of('0') == std::string_view::npos;
    return value;
}

std::string MhzText(int64_t hertz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(hertz / kHertzPerMhz),
                  static_cast<long long>(hertz % kHertzPerMhz));
    return text;
}

std::string StoredFrequency(int64_t hertz) {
    char text[16];
    std::snprintf(text, sizeof text, "%010lld", static_cast<long long>(hertz));
    return text;
}

// A stored frequency or offset, read up to its first non-digit.
int64_t HertzOf(std::string_view stored) {
    int64_t hertz = 0;
    for (size_t i = 0;
         i < stored.size() && i < 12 && std::isdigit(static_cast<unsigned char>(stored[i])); ++i) {
        hertz = hertz * 10 + (stored[i] - '0');
    }
    return hertz;
}

std::string KhzText(int hertz) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hertz / 1000, hertz % 1000 / 10);
    return text;
}

std::string ToneValueText(const char* listText) {
    std::string text(listText);
    return text.substr(0, text.find('H'));  // "88.5Hz" -> "88.5"
}

std::optional<int> TonePositionOfHertz(std::string_view text) {
    bool exact = false;
    const std::optional<int64_t> tenths = ScaledDecimal(text, 1, &exact);
    if (!tenths || !exact) return {};
    for (int position = 0; position < kToneCount; ++position) {
        if (ScaledDecimal(ToneValueText(ToneList()[position]), 1) == tenths) return position;
    }
    return {};
}

std::optional<int> DcsPositionOfCode(std::string_view text) {
    const std::optional<int64_t> code = ScaledDecimal(text, 0);
    if (!code) return {};
    for (int position = 0; position < kDcsCount; ++position) {
        if (ScaledDecimal(DcsList()[position], 0) == code) return position;
    }
    return {};
}

// Letters lose their accents and become capitals; what a memory name cannot hold is dropped.
std::string MemoryNameOf(const std::string& text) {
    const QString decomposed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                   .normalized(QString::NormalizationForm_D)
                                   .toUpper();
    std::string name;
    for (const QChar c : decomposed) {
        const char latin = c.toLatin1();
        if (c.unicode() < 0x80 && IsMemoryNameCharacter(latin)) name += latin;
    }
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    if (name.size() > static_cast<size_t>(kMemoryNameLength)) name.resize(kMemoryNameLength);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// One line of the table turned into the memory editor's edits, or the reason it cannot be.
class TRowConverter {
public:
    TRowConverter(const TRadioData& data, const TColumns& columns, const TCsvRow& row)
        : Data(data), Columns(columns), Row(row) {}

    // False when the line cannot be stored; SkipReason says why.
    bool Convert(int position) {
        Result.Position = position;
        if (!ReadMode() || !ReadFrequencies() || !ReadTones()) return false;
        ReadName();
        ReadSkip();
        return true;
    }
    const TMemoryEdits& Edits() const { return Result; }
    const std::string& SkipReason() const { return Reason; }
    std::vector<std::string>& Adjustments() { return Changes; }
    int64_t RxHertz() const { return Rx; }
    int64_t TxHertz() const { return Tx; }

private:
    std::string Field(int column) const { return TCsvTable::FieldOf(Row, column); }

    bool Skip(std::string reason) {
        Reason = std::move(reason);
        return false;
    }

    std::optional<int64_t> InBandHertz(const std::string& text, const char* what) {
        if (text.empty()) {
            Skip(std::string("no ") + what);
            return {};
        }
        const std::optional<int64_t> hertz = ScaledDecimal(text, 6);
        if (!hertz) {
            Skip(std::string(what) + " \"" + ShownField(text) + "\" is not a frequency in MHz");
            return {};
        }
        if (!IsInsideLimits(StoredFrequency(*hertz), Data.GetBandLimit())) {
            Skip(std::string(what) + " " + MhzText(*hertz) + " MHz is outside the band");
            return {};
        }
        return hertz;
    }

    bool ReadFrequencies() {
        const std::optional<int64_t> rx = InBandHertz(Field(Columns.Frequency), "frequency");
        if (!rx) return false;
        Rx = Tx = *rx;
        const std::string duplex = Upper(Field(Columns.Duplex));
        const std::string offset = Field(Columns.Offset);
        if (duplex == "SPLIT") {
            const std::optional<int64_t> tx = InBandHertz(offset, "transmit frequency");
            if (!tx) return false;
            Tx = *tx;
            Result.Shift = TShiftChoice::Split;
        } else if (duplex == "+" || duplex == "-" || duplex.empty()) {
            Result.Shift = duplex.empty()  ? TShiftChoice::Simplex
                           : duplex == "+" ? TShiftChoice::Plus
                                           : TShiftChoice::Minus;
            if (!ReadOffset(offset)) return false;
        } else if (duplex == "OFF") {
            return Skip("receive-only channels (duplex \"off\") cannot be stored");
        } else {
            return Skip("duplex \"" + ShownField(Field(Columns.Duplex)) + "\" is not known");
        }
        ChooseSteps();
        Result.RxText = MhzText(Rx);
        Result.TxText = MhzText(Tx);
        return true;
    }

    bool ReadOffset(const std::string& text) {
        if (text.empty()) {
            Result.OffsetText =
                FormatOffsetText(DefaultFieldValues(Data.GetModel(), Data.GetMarketCode()).Offset);
            return true;
        }
        const std::optional<int64_t> hertz = ScaledDecimal(text, 6);
        if (!hertz) return Skip("offset \"" + ShownField(text) + "\" is not a frequency in MHz");
        const std::string stored = ParseOffsetText(MhzText(*hertz)).value_or("00000000");
        Result.OffsetText = FormatOffsetText(stored);
        if (HertzOf(stored) != *hertz && Result.Shift != TShiftChoice::Simplex) {
            Changes.push_back("offset " + MhzText(*hertz) + " MHz stored as " + Result.OffsetText +
                              " MHz");
        }
        return true;
    }

    // The step of the line when the frequency lies on it, else the market's usual step, else
    // the finest step of the model's list that holds the frequency exactly.
    int StepPositionFor(int64_t hertz, std::optional<int> wanted) const {
        const auto holds = [&](int position) {
            return hertz % StepHertzOfListPosition(position, Data.GetModel()) == 0;
        };
        if (wanted && holds(*wanted)) return *wanted;
        const TFieldDefaults defaults = DefaultFieldValues(Data.GetModel(), Data.GetMarketCode());
        const int usual =
            ListPositionFromStepCode(defaults.StepCode, Data.GetModel(), Data.GetMarketCode());
        if (holds(usual)) return usual;
        const int count = static_cast<int>(StepListTexts(Data.GetModel()).size());
        std::optional<int> finest;
        for (int position = 0; position < count; ++position) {
            const auto step = StepHertzOfListPosition(position, Data.GetModel());
            if (holds(position) &&
                (!finest || step < StepHertzOfListPosition(*finest, Data.GetModel()))) {
                finest = position;
            }
        }
        return finest.value_or(wanted.value_or(usual));
    }

    void ChooseSteps() {
        const std::string text = Field(Columns.Step);
        std::optional<int> wanted;
        if (!text.empty()) {
            const std::optional<int64_t> hertz = ScaledDecimal(text, 3);
            const int count = static_cast<int>(StepListTexts(Data.GetModel()).size());
            for (int position = 0; hertz && position < count; ++position) {
                if (StepHertzOfListPosition(position, Data.GetModel()) == *hertz) wanted = position;
            }
        }
        Result.StepPosition = StepPositionFor(Rx, wanted);
        // The layout has one step column and the export writes the receive step there, so the
        // transmit step is chosen from that step and the transmit frequency alone: what it is
        // chosen from comes back unchanged, and so does the choice.
        Result.TxStepPosition = StepPositionFor(Tx, Result.StepPosition);
        if (!text.empty() && (!wanted || *wanted != Result.StepPosition)) {
            Changes.push_back(
                "step " + ShownField(text) + " kHz replaced by " +
                KhzText(StepHertzOfListPosition(Result.StepPosition, Data.GetModel())) + " kHz");
        }
    }

    bool ReadTones() {
        const std::string mode = Upper(Field(Columns.Tone));
        const std::string rTone = Field(Columns.RTone);
        const std::string cTone = Field(Columns.CTone);
        const std::string dcs = Field(Columns.Dtcs);
        Result.TonePosition = TonePositionOfHertz(rTone).value_or(kDefaultTonePosition);
        Result.CtcssPosition = TonePositionOfHertz(cTone).value_or(kDefaultTonePosition);
        Result.DcsPosition = DcsPositionOfCode(dcs).value_or(0);
        if (mode.empty()) return true;
        if (mode == "TONE") {
            Result.Tone = TToneChoice::Tone;
            return TonePositionOfHertz(rTone)
                       ? true
                       : Skip("tone " + ShownField(rTone) + " Hz is not offered");
        }
        if (mode == "TSQL") {
            Result.Tone = TToneChoice::Ctcss;
            return TonePositionOfHertz(cTone)
                       ? true
                       : Skip("tone squelch " + ShownField(cTone) + " Hz is not offered");
        }
        if (mode == "DTCS") {
            Result.Tone = TToneChoice::Dcs;
            const std::string polarity = Upper(Field(Columns.Polarity));
            if (!polarity.empty() && polarity != "NN") {
                return Skip("DCS polarity " + ShownField(polarity) + " cannot be stored");
            }
            return DcsPositionOfCode(dcs) ? true
                                          : Skip("DCS code " + ShownField(dcs) + " is not offered");
        }
        return Skip("tone mode \"" + ShownField(Field(Columns.Tone)) + "\" cannot be stored");
    }

    bool ReadMode() {
        const std::string mode = Upper(Field(Columns.Mode));
        if (mode.empty() || mode == "FM") return true;
        if (mode == "NFM") {
            Result.Narrow = true;
            return true;
        }
        return Skip("mode " + ShownField(Field(Columns.Mode)) + " cannot be stored");
    }

    void ReadSkip() {
        const std::string skip = Upper(Field(Columns.Skip));
        Result.Lockout = skip == "S";
        if (skip == "P") {
            Changes.push_back("priority scan mark not kept");
        } else if (!skip.empty() && skip != "S") {
            Changes.push_back("skip \"" + ShownField(Field(Columns.Skip)) + "\" ignored");
        }
    }

    void ReadName() {
        // The apostrophe the export puts before a name a spreadsheet would run is not the name's.
        const std::string text = RestoredCell(Field(Columns.Name));
        if (text.empty()) return;
        if (!Data.HasMemoryNames()) {
            Changes.push_back("name \"" + ShownField(text) + "\" not kept: no names with " +
                              std::to_string(Data.ChannelCount()) + " channels");
            return;
        }
        Result.Name = MemoryNameOf(text);
        if (Result.Name != Upper(text)) {
            Changes.push_back("name \"" + ShownField(text) + "\" stored as \"" + Result.Name +
                              "\"");
        }
    }

    const TRadioData& Data;
    const TColumns& Columns;
    const TCsvRow& Row;
    TMemoryEdits Result;
    std::string Reason;
    std::vector<std::string> Changes;
    int64_t Rx = 0;
    int64_t Tx = 0;
};

// Where a line goes: its Location, or the channel after the previous line's when it has none.
struct TLocation {
    std::optional<int> Channel;
    std::string Problem;
};

TLocation LocationOf(const TRadioData& data, const std::string& text, int next) {
    if (text.empty()) {
        if (next > data.ChannelCount()) return {{}, "no free channel after the previous line"};
        return {next, {}};
    }
    const std::optional<int64_t> channel = ScaledDecimal(text, 0);
    if (!channel || text.find('.') != std::string::npos) {
        return {{}, "location \"" + ShownField(text) + "\" is not a channel number"};
    }
    if (*channel > data.ChannelCount()) {
        return {{},
                "location " + text + " is beyond the last channel (" +
                    std::to_string(data.ChannelCount()) + ")"};
    }
    return {static_cast<int>(*channel), {}};
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
    return text;
}

// The fit takes a frequency into the band and down onto the step, as the memory editor does.
constexpr char kFitReason[] = " to fit the band and step";

// Notes the frequencies the record holds when the fit moved them off the line's values.
void NoteRounding(const std::string& record, TRowConverter& row) {
    const int64_t rx = HertzOf(RecordField(record, kRxFreqField));
    if (rx != row.RxHertz()) {
        row.Adjustments().push_back("frequency " + MhzText(row.RxHertz()) + " MHz moved to " +
                                    MhzText(rx) + " MHz" + kFitReason);
    }
    const std::string tx = RecordField(record, kTxFreqField);
    if (HertzOf(tx) != 0 && HertzOf(tx) != row.TxHertz()) {
        row.Adjustments().push_back("transmit frequency " + MhzText(row.TxHertz()) +
                                    " MHz moved to " + MhzText(HertzOf(tx)) + " MHz" + kFitReason);
    }
}

class TImporter {
public:
    TImporter(TRadioData& data, const TCsvTable& table) : Data(data), Columns(ColumnsOf(table)) {}

    void ImportRow(const TCsvRow& row) {
        const TLocation location =
            LocationOf(Data, TCsvTable::FieldOf(row, Columns.Location), NextChannel);
        if (!location.Channel) return NoteSkipped(row.Line, location.Problem);
        NextChannel = *location.Channel + 1;
        TRowConverter converter(Data, Columns, row);
        if (!converter.Convert(*location.Channel)) {
            return NoteSkipped(row.Line, converter.SkipReason());
        }
        NoteUnstored(row);
        Store(row.Line, converter);
    }

    TCsvImport Finish() {
        if (Unlisted > 0) {
            Result.Notes.push_back(std::to_string(Unlisted) +
                                   (Unlisted == 1 ? " more line was" : " more lines were") +
                                   " adjusted or skipped; the first " +
                                   std::to_string(kMostListedLines) + " are listed.");
        }
        if (UnstoredSeen) {
            Result.Notes.push_back(
                "Power, Comment and digital voice columns are not kept by the transceiver's "
                "memory channels; they were ignored.");
        }
        if (Result.Imported > 0) Data.Changed = true;
        return Result;
    }

private:
    void NoteSkipped(int line, const std::string& reason) {
        ++Result.Skipped;
        AddNote("Line " + std::to_string(line) + ": skipped, " + reason + ".");
    }

    // A list of a few million lines could otherwise give a report of hundreds of megabytes.
    void AddNote(std::string note) {
        if (Result.Notes.size() < kMostListedLines) {
            Result.Notes.push_back(std::move(note));
        } else {
            ++Unlisted;
        }
    }

    void NoteUnstored(const TCsvRow& row) {
        for (const int column : Columns.Unstored) {
            if (!TCsvTable::FieldOf(row, column).empty()) UnstoredSeen = true;
        }
    }

    void Store(int line, TRowConverter& converter);

    TRadioData& Data;
    TColumns Columns;
    TCsvImport Result;
    int NextChannel = 0;
    bool UnstoredSeen = false;
    int Unlisted = 0;
    std::map<int, int> LineOfChannel;
};

void TImporter::Store(int line, TRowConverter& converter) {
    const TMemoryEdits& edits = converter.Edits();
    const TMemoryRecord record = BuildMemoryRecord(Data, edits);
    NoteRounding(record.Text, converter);
    const auto earlier = LineOfChannel.find(edits.Position);
    if (earlier != LineOfChannel.end()) {
        converter.Adjustments().push_back("replaces line " + std::to_string(earlier->second));
    }
    LineOfChannel[edits.Position] = line;
    Data.SetChannel(record.RecordIndex, record.Text);
    // A channel a later line replaces is still one channel.
    if (earlier == LineOfChannel.end()) ++Result.Imported;
    if (converter.Adjustments().empty()) return;
    ++Result.Adjusted;
    AddNote("Line " + std::to_string(line) + ", channel " + std::to_string(edits.Position) + ": " +
            Joined(converter.Adjustments(), "; ") + ".");
}

}  // namespace

std::vector<std::string> CsvChannelFields(const TRadioData& data, int channel,
                                          std::vector<std::string>& notes) {
    const TMemoryDisplay display = MemoryDisplayOf(data, channel);
    const std::string& record = data.GetChannel(display.RecordIndex);
    const std::string model = data.GetModel();
    const int64_t rx = HertzOf(RecordField(record, kRxFreqField));
    std::string duplex, offset = MhzText(HertzOf(RecordField(record, kOffsetField)));
    switch (display.Shift) {
        case TShiftChoice::Split:
            duplex = "split";
            offset = MhzText(HertzOf(RecordField(record, kTxFreqField)));
            break;
        case TShiftChoice::Plus:
            duplex = "+";
            break;
        case TShiftChoice::Minus:
            duplex = "-";
            break;
        case TShiftChoice::Minus76:
            duplex = "-";
            offset = MhzText(7'600'000);
            break;
        default:
            break;
    }
    const char* tone = display.Tone == TToneChoice::Tone    ? "Tone"
                       : display.Tone == TToneChoice::Ctcss ? "TSQL"
                       : display.Tone == TToneChoice::Dcs   ? "DTCS"
                                                            : "";
    std::vector<std::string> lost;
    if (display.Reverse) lost.push_back("reverse");
    if (display.BeatShift) lost.push_back("beat shift");
    if (display.Shift == TShiftChoice::Split && display.TxStepPosition != display.StepPosition) {
        lost.push_back("transmit step");
    }
    if (!lost.empty()) {
        notes.push_back("Channel " + std::to_string(channel) + ": " + Joined(lost, ", ") +
                        " not carried by the CSV layout.");
    }
    std::string name = display.Name;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    // Only the name is free text. The other cells are the program's own numbers and keywords;
    // the Duplex "-" is one of them, and a lone minus is no formula a spreadsheet could run.
    name = NeutralisedCell(name);
    const std::string dcs = DcsList()[display.DcsPosition];
    return {std::to_string(channel),
            name,
            MhzText(rx),
            duplex,
            offset,
            tone,
            ToneValueText(ToneList()[display.TonePosition]),
            ToneValueText(ToneList()[display.CtcssPosition]),
            dcs,
            "NN",
            dcs,
            "Tone->Tone",
            display.Narrow ? "NFM" : "FM",
            KhzText(StepHertzOfListPosition(display.StepPosition, model)),
            display.Lockout ? "S" : "",
            "",
            "",
            "",
            "",
            "",
            ""};
}

const std::vector<std::string>& CsvChannelColumns() {
    static const std::vector<std::string> columns{
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return columns;
}

TCsvImport ImportCsvChannels(TRadioData& data, std::string_view csvText) {
    const TCsvTable table = ParseCsvTable(csvText);
    if (table.Header.empty()) {
        TCsvImport empty;
        empty.Problem = "The file holds no channel list.";
        return empty;
    }
    if (table.ColumnOf("Frequency") < 0) {
        TCsvImport unknown;
        unknown.Problem = "The file has no Frequency column, so it is not a channel list.";
        return unknown;
    }
    TImporter importer(data, table);
    for (const TCsvRow& row : table.Rows) importer.ImportRow(row);
    return importer.Finish();
}

TCsvExport ExportCsvChannels(const TRadioData& data) {
    TCsvExport result;
    result.Text = CsvLine(CsvChannelColumns());
    for (int channel = 0;
         channel <= data.ChannelCount() && channel < TRadioData::kFirstSpecialRecord; ++channel) {
        if (data.GetChannel(channel).size() <= kEmptyRecordLength) continue;
        result.Text += CsvLine(CsvChannelFields(data, channel, result.Notes));
        ++result.Exported;
    }
    return result;
}

std::string CsvImportReport(const TCsvImport& import) {
    if (!import.Problem.empty()) return import.Problem + "\n";
    const auto plural = [](int count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    };
    std::string report = plural(import.Imported, "channel", "channels") + " imported, " +
                         std::to_string(import.Adjusted) + " adjusted, " +
                         plural(import.Skipped, "line", "lines") + " skipped.\n";
    for (const std::string& note : import.Notes) report += note + "\n";
    return report;
}
