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

// A finding of the import; each pattern is marked for translation where it is written.
TCsvPhrase Phrase(const char* pattern, std::vector<std::string> values = {}) {
    return {pattern, std::move(values)};
}

// The patterns of a frequency the line must give: the receive or the transmit one.
struct TFrequencyPatterns {
    const char* Missing;
    const char* NotMhz;
    const char* OutsideBand;
    const char* Moved;
};

constexpr TFrequencyPatterns kRxPatterns{
    QT_TRANSLATE_NOOP("CsvChannels", "no frequency"),
    QT_TRANSLATE_NOOP("CsvChannels", "frequency \"%1\" is not a frequency in MHz"),
    QT_TRANSLATE_NOOP("CsvChannels", "frequency %1 MHz is outside the band"),
    // The fit takes a frequency into the band and down onto the step, as the memory editor does.
    QT_TRANSLATE_NOOP("CsvChannels", "frequency %1 MHz moved to %2 MHz to fit the band and step")};
constexpr TFrequencyPatterns kTxPatterns{
    QT_TRANSLATE_NOOP("CsvChannels", "no transmit frequency"),
    QT_TRANSLATE_NOOP("CsvChannels", "transmit frequency \"%1\" is not a frequency in MHz"),
    QT_TRANSLATE_NOOP("CsvChannels", "transmit frequency %1 MHz is outside the band"),
    QT_TRANSLATE_NOOP("CsvChannels",
                      "transmit frequency %1 MHz moved to %2 MHz to fit the band and step")};

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
    const TCsvPhrase& SkipReason() const { return Reason; }
    std::vector<TCsvPhrase>& Adjustments() { return Changes; }
    int64_t RxHertz() const { return Rx; }
    int64_t TxHertz() const { return Tx; }

private:
    std::string Field(int column) const { return TCsvTable::FieldOf(Row, column); }

    bool Skip(const char* pattern, std::vector<std::string> values = {}) {
        Reason = Phrase(pattern, std::move(values));
        return false;
    }

    std::optional<int64_t> InBandHertz(const std::string& text, const TFrequencyPatterns& what) {
        if (text.empty()) {
            Skip(what.Missing);
            return {};
        }
        const std::optional<int64_t> hertz = ScaledDecimal(text, 6);
        if (!hertz) {
            Skip(what.NotMhz, {ShownField(text)});
            return {};
        }
        if (!IsInsideLimits(StoredFrequency(*hertz), Data.GetBandLimit())) {
            Skip(what.OutsideBand, {MhzText(*hertz)});
            return {};
        }
        return hertz;
    }

    bool ReadFrequencies() {
        const std::optional<int64_t> rx = InBandHertz(Field(Columns.Frequency), kRxPatterns);
        if (!rx) return false;
        Rx = Tx = *rx;
        const std::string duplex = Upper(Field(Columns.Duplex));
        const std::string offset = Field(Columns.Offset);
        if (duplex == "SPLIT") {
            const std::optional<int64_t> tx = InBandHertz(offset, kTxPatterns);
            if (!tx) return false;
            Tx = *tx;
            Result.Shift = TShiftChoice::Split;
        } else if (duplex == "+" || duplex == "-" || duplex.empty()) {
            Result.Shift = duplex.empty()  ? TShiftChoice::Simplex
                           : duplex == "+" ? TShiftChoice::Plus
                                           : TShiftChoice::Minus;
            if (!ReadOffset(offset)) return false;
        } else if (duplex == "OFF") {
            return Skip(QT_TRANSLATE_NOOP(
                "CsvChannels", "receive-only channels (duplex \"off\") cannot be stored"));
        } else {
            return Skip(QT_TRANSLATE_NOOP("CsvChannels", "duplex \"%1\" is not known"),
                        {ShownField(Field(Columns.Duplex))});
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
        if (!hertz) {
            return Skip(QT_TRANSLATE_NOOP("CsvChannels", "offset \"%1\" is not a frequency in MHz"),
                        {ShownField(text)});
        }
        const std::string stored = ParseOffsetText(MhzText(*hertz)).value_or("00000000");
        Result.OffsetText = FormatOffsetText(stored);
        if (HertzOf(stored) != *hertz && Result.Shift != TShiftChoice::Simplex) {
            Changes.push_back(
                Phrase(QT_TRANSLATE_NOOP("CsvChannels", "offset %1 MHz stored as %2 MHz"),
                       {MhzText(*hertz), Result.OffsetText}));
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
                Phrase(QT_TRANSLATE_NOOP("CsvChannels", "step %1 kHz replaced by %2 kHz"),
                       {ShownField(text),
                        KhzText(StepHertzOfListPosition(Result.StepPosition, Data.GetModel()))}));
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
                       : Skip(QT_TRANSLATE_NOOP("CsvChannels", "tone %1 Hz is not offered"),
                              {ShownField(rTone)});
        }
        if (mode == "TSQL") {
            Result.Tone = TToneChoice::Ctcss;
            return TonePositionOfHertz(cTone)
                       ? true
                       : Skip(QT_TRANSLATE_NOOP("CsvChannels", "tone squelch %1 Hz is not offered"),
                              {ShownField(cTone)});
        }
        if (mode == "DTCS") {
            Result.Tone = TToneChoice::Dcs;
            const std::string polarity = Upper(Field(Columns.Polarity));
            if (!polarity.empty() && polarity != "NN") {
                return Skip(QT_TRANSLATE_NOOP("CsvChannels", "DCS polarity %1 cannot be stored"),
                            {ShownField(polarity)});
            }
            return DcsPositionOfCode(dcs)
                       ? true
                       : Skip(QT_TRANSLATE_NOOP("CsvChannels", "DCS code %1 is not offered"),
                              {ShownField(dcs)});
        }
        return Skip(QT_TRANSLATE_NOOP("CsvChannels", "tone mode \"%1\" cannot be stored"),
                    {ShownField(Field(Columns.Tone))});
    }

    bool ReadMode() {
        const std::string mode = Upper(Field(Columns.Mode));
        if (mode.empty() || mode == "FM") return true;
        if (mode == "NFM") {
            Result.Narrow = true;
            return true;
        }
        return Skip(QT_TRANSLATE_NOOP("CsvChannels", "mode %1 cannot be stored"),
                    {ShownField(Field(Columns.Mode))});
    }

    void ReadSkip() {
        const std::string skip = Upper(Field(Columns.Skip));
        Result.Lockout = skip == "S";
        if (skip == "P") {
            Changes.push_back(
                Phrase(QT_TRANSLATE_NOOP("CsvChannels", "priority scan mark not kept")));
        } else if (!skip.empty() && skip != "S") {
            Changes.push_back(Phrase(QT_TRANSLATE_NOOP("CsvChannels", "skip \"%1\" ignored"),
                                     {ShownField(Field(Columns.Skip))}));
        }
    }

    void ReadName() {
        // The apostrophe the export puts before a name a spreadsheet would run is not the name's.
        const std::string text = RestoredCell(Field(Columns.Name));
        if (text.empty()) return;
        if (!Data.HasMemoryNames()) {
            Changes.push_back(Phrase(
                QT_TRANSLATE_NOOP("CsvChannels", "name \"%1\" not kept: no names with %2 channels"),
                {ShownField(text), std::to_string(Data.ChannelCount())}));
            return;
        }
        Result.Name = MemoryNameOf(text);
        if (Result.Name != Upper(text)) {
            Changes.push_back(
                Phrase(QT_TRANSLATE_NOOP("CsvChannels", "name \"%1\" stored as \"%2\""),
                       {ShownField(text), Result.Name}));
        }
    }

    const TRadioData& Data;
    const TColumns& Columns;
    const TCsvRow& Row;
    TMemoryEdits Result;
    TCsvPhrase Reason;
    std::vector<TCsvPhrase> Changes;
    int64_t Rx = 0;
    int64_t Tx = 0;
};

// Where a line goes: its Location, or the channel after the previous line's when it has none.
struct TLocation {
    std::optional<int> Channel;
    TCsvPhrase Problem;
};

TLocation LocationOf(const TRadioData& data, const std::string& text, int next) {
    if (text.empty()) {
        if (next > data.ChannelCount()) {
            return {{},
                    Phrase(QT_TRANSLATE_NOOP("CsvChannels",
                                             "no free channel after the previous line"))};
        }
        return {next, {}};
    }
    const std::optional<int64_t> channel = ScaledDecimal(text, 0);
    if (!channel || text.find('.') != std::string::npos) {
        return {{},
                Phrase(QT_TRANSLATE_NOOP("CsvChannels", "location \"%1\" is not a channel number"),
                       {ShownField(text)})};
    }
    if (*channel > data.ChannelCount()) {
        return {
            {},
            Phrase(QT_TRANSLATE_NOOP("CsvChannels", "location %1 is beyond the last channel (%2)"),
                   {text, std::to_string(data.ChannelCount())})};
    }
    return {static_cast<int>(*channel), {}};
}

// A pattern's placeholders %1 ... %9 replaced by the values in one pass, so that a value
// holding a "%2" of its own stays as it is.
std::string Filled(const std::string& pattern, const std::vector<std::string>& values) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1] : '\0';
        const size_t index = next >= '1' && next <= '9' ? static_cast<size_t>(next - '1') : 9;
        if (index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string PatternText(const char* pattern, const TPatternText& patternText) {
    return patternText ? patternText(pattern) : std::string(pattern);
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
    return text;
}

// Notes the frequencies the record holds when the fit moved them off the line's values.
void NoteRounding(const std::string& record, TRowConverter& row) {
    const int64_t rx = HertzOf(RecordField(record, kRxFreqField));
    if (rx != row.RxHertz()) {
        row.Adjustments().push_back(
            Phrase(kRxPatterns.Moved, {MhzText(row.RxHertz()), MhzText(rx)}));
    }
    const std::string tx = RecordField(record, kTxFreqField);
    if (HertzOf(tx) != 0 && HertzOf(tx) != row.TxHertz()) {
        row.Adjustments().push_back(
            Phrase(kTxPatterns.Moved, {MhzText(row.TxHertz()), MhzText(HertzOf(tx))}));
    }
}

// A note of the whole list: one finding.
TCsvNote ListNote(TCsvPhrase finding) {
    return {TCsvNoteKind::WholeList, 0, -1, {std::move(finding)}, {}};
}

void AppendNote(std::vector<std::string>& notes, std::vector<TCsvNote>& parts, TCsvNote note) {
    notes.push_back(CsvNoteText(note));
    parts.push_back(std::move(note));
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
            const char* pattern =
                Unlisted == 1
                    ? QT_TRANSLATE_NOOP(
                          "CsvChannels",
                          "%1 more line was adjusted or skipped; the first %2 are listed.")
                    : QT_TRANSLATE_NOOP(
                          "CsvChannels",
                          "%1 more lines were adjusted or skipped; the first %2 are listed.");
            AppendNote(Result.Notes, Result.NoteParts,
                       ListNote(Phrase(
                           pattern, {std::to_string(Unlisted), std::to_string(kMostListedLines)})));
        }
        if (UnstoredSeen) {
            AppendNote(Result.Notes, Result.NoteParts,
                       ListNote(Phrase(QT_TRANSLATE_NOOP(
                           "CsvChannels",
                           "Power, Comment and digital voice columns are not kept by the "
                           "transceiver's memory channels; they were ignored."))));
        }
        if (Result.Imported > 0) Data.Changed = true;
        return Result;
    }

private:
    void NoteSkipped(int line, const TCsvPhrase& reason) {
        ++Result.Skipped;
        AddNote({TCsvNoteKind::Skipped, line, -1, {reason}, {}});
    }

    // A list of a few million lines could otherwise give a report of hundreds of megabytes.
    void AddNote(TCsvNote note) {
        if (Result.Notes.size() < kMostListedLines) {
            AppendNote(Result.Notes, Result.NoteParts, std::move(note));
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
        converter.Adjustments().push_back(
            Phrase(QT_TRANSLATE_NOOP("CsvChannels", "replaces line %1"),
                   {std::to_string(earlier->second)}));
    }
    LineOfChannel[edits.Position] = line;
    Data.SetChannel(record.RecordIndex, record.Text);
    // A channel a later line replaces is still one channel.
    if (earlier == LineOfChannel.end()) ++Result.Imported;
    if (converter.Adjustments().empty()) return;
    ++Result.Adjusted;
    AddNote({TCsvNoteKind::Adjusted, line, edits.Position, converter.Adjustments(), {}});
}

}  // namespace

std::vector<std::string> CsvChannelFields(const TRadioData& data, int channel, TCsvExport& result) {
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
    std::vector<TCsvPhrase> lost;
    if (display.Reverse) lost.push_back(Phrase(QT_TRANSLATE_NOOP("CsvChannels", "reverse")));
    if (display.BeatShift) lost.push_back(Phrase(QT_TRANSLATE_NOOP("CsvChannels", "beat shift")));
    if (display.Shift == TShiftChoice::Split && display.TxStepPosition != display.StepPosition) {
        lost.push_back(Phrase(QT_TRANSLATE_NOOP("CsvChannels", "transmit step")));
    }
    if (!lost.empty()) {
        AppendNote(result.Notes, result.NoteParts,
                   {TCsvNoteKind::NotCarried, 0, channel, std::move(lost), {}});
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
        empty.Problem = kNoChannelListMessage;
        return empty;
    }
    if (table.ColumnOf("Frequency") < 0) {
        TCsvImport unknown;
        unknown.Problem = kNoFrequencyColumnMessage;
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
        result.Text += CsvLine(CsvChannelFields(data, channel, result));
        ++result.Exported;
    }
    return result;
}

std::string CsvPhraseText(const TCsvPhrase& phrase, const TPatternText& patternText) {
    return Filled(PatternText(phrase.Pattern, patternText), phrase.Values);
}

std::string CsvNoteText(const TCsvNote& note, const TPatternText& patternText) {
    std::vector<std::string> findings;
    for (const TCsvPhrase& finding : note.Findings) {
        findings.push_back(CsvPhraseText(finding, patternText));
    }
    const auto filled = [&](const char* pattern, std::vector<std::string> values) {
        return Filled(PatternText(pattern, patternText), values);
    };
    switch (note.Kind) {
        case TCsvNoteKind::Skipped:
            return filled(QT_TRANSLATE_NOOP("CsvChannels", "Line %1: skipped, %2."),
                          {std::to_string(note.Line), Joined(findings, "; ")});
        case TCsvNoteKind::Adjusted:
            return filled(
                QT_TRANSLATE_NOOP("CsvChannels", "Line %1, channel %2: %3."),
                {std::to_string(note.Line), std::to_string(note.Channel), Joined(findings, "; ")});
        case TCsvNoteKind::NotCarried:
            return filled(
                QT_TRANSLATE_NOOP("CsvChannels", "Channel %1: %2 not carried by the CSV layout."),
                {std::to_string(note.Channel), Joined(findings, ", ")});
        case TCsvNoteKind::RowSkipped:
            return filled(QT_TRANSLATE_NOOP("CsvChannels", "Copied row %1: skipped, %2."),
                          {std::to_string(note.Line), Joined(findings, "; ")});
        case TCsvNoteKind::ChannelAdjusted:
            return filled(QT_TRANSLATE_NOOP("CsvChannels", "Channel %1: %2."),
                          {note.Label, Joined(findings, "; ")});
        case TCsvNoteKind::WholeList:
            break;
    }
    return Joined(findings, " ");
}

std::string CsvImportSummary(const TCsvImport& import, const TPatternText& patternText) {
    const auto count = [&](int number, const char* one, const char* many) {
        return CsvPhraseText(Phrase(number == 1 ? one : many, {std::to_string(number)}),
                             patternText);
    };
    return CsvPhraseText(
        Phrase(QT_TRANSLATE_NOOP("CsvChannels", "%1, %2, %3."),
               {count(import.Imported, QT_TRANSLATE_NOOP("CsvChannels", "%1 channel imported"),
                      QT_TRANSLATE_NOOP("CsvChannels", "%1 channels imported")),
                CsvPhraseText(Phrase(QT_TRANSLATE_NOOP("CsvChannels", "%1 adjusted"),
                                     {std::to_string(import.Adjusted)}),
                              patternText),
                count(import.Skipped, QT_TRANSLATE_NOOP("CsvChannels", "%1 line skipped"),
                      QT_TRANSLATE_NOOP("CsvChannels", "%1 lines skipped"))}),
        patternText);
}

std::string CsvImportReport(const TCsvImport& import) {
    if (!import.Problem.empty()) return import.Problem + "\n";
    std::string report = CsvImportSummary(import) + "\n";
    for (const std::string& note : import.Notes) report += note + "\n";
    return report;
}
