#include "core/files/datafile.h"

#include <QtGlobal>

#include "core/model/messagewords.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/files/filebytes.h"
#include "core/model/modelcatalogue.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

const char kHeader[] = "HALVERN Radio Channel Composer for ";
QString NotADataFileName() {
    return QString::fromStdString(
        MessageText(QT_TRANSLATE_NOOP("Messages", "not a data file name (.tvr)")));
}
const char kLineEnd[] = "\r\n";

// Replaces the first `count` commas by tabs; later commas (inside a memory name) stay.
std::string CommasToTabs(std::string text, int count) {
    for (char& c : text) {
        if (count == 0) break;
        if (c == ',') {
            c = '\t';
            --count;
        }
    }
    return text;
}

constexpr int kAllCommas = TRadioData::kRecordCapacity;
constexpr int kMemoryLineTabs = 18;
constexpr int kDtmfLineTabs = 2;

void AddLine(std::string& file, const std::string& line) {
    file += line;
    file += kLineEnd;
}

void AddMemorySection(std::string& file, const TRadioData& data) {
    AddLine(file, "__MEMORY DATA__");
    // Walking by row position saves channels 0..N only: those above the count
    // stay in the data set but are not saved.
    for (int position = 0; position <= data.LastRowPosition(); ++position) {
        const std::string& record = data.GetChannel(data.RecordIndexOfPosition(position));
        if (record.size() > kEmptyRecordLength)
            AddLine(file, CommasToTabs(record, kMemoryLineTabs));
    }
}

void AddRecordSection(std::string& file, const char* marker, const std::string& record) {
    AddLine(file, marker);
    if (record.size() > kEmptyRecordLength) AddLine(file, CommasToTabs(record, kAllCommas));
}

void AddDtmfSection(std::string& file, const TRadioData& data) {
    AddLine(file, "__DTMF DATA__");
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        const std::string& text = data.GetDtmf(entry);
        if (text.size() > kEmptyDtmfLength) AddLine(file, CommasToTabs(text, kDtmfLineTabs));
    }
}

void AddMenuSection(std::string& file, const TRadioData& data) {
    AddLine(file, "__RADIO MENU__");
    AddLine(file, data.GetProgramVfo());
    for (int slot = kFirstMenuSlot; slot <= data.UsedMenuSlotCount(); ++slot)
        AddLine(file, data.GetMenuSlot(slot));
}

}  // namespace

std::string WriteDataFile(const TRadioData& data) {
    std::string file;
    AddLine(file, kHeader + data.GetModel());
    AddLine(file, "__COMMENT__");
    AddLine(file, data.GetComment());
    AddMemorySection(file, data);
    AddRecordSection(file, "__CALL DATA__", data.GetCall());
    AddRecordSection(file, "__VFO DATA__", data.GetVfo());
    AddDtmfSection(file, data);
    AddMenuSection(file, data);
    return file;
}

bool SaveDataFile(const TRadioData& data, const QString& path, QString* reason) {
    if (!HasDataFileExtension(path)) {
        if (reason) *reason = NotADataFileName();
        return false;
    }
    return SaveFileBytes(path, WriteDataFile(data), reason);
}

namespace {

constexpr char kHeaderPrefix[] = "HALVERN Radio Channel Composer for";
constexpr size_t kHeaderModelStart = sizeof(kHeader) - 1;  // after the space
constexpr qint64 kLargestDataFile = 1 << 20;
constexpr unsigned char kEndOfData = 0xFF;

// Hands out the lines of a data file as the platform's text mode reads them:
// CR LF becomes a line end, and a line starting with the byte 0xFF ends the data.
class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : Bytes(bytes) {}

    bool Next(std::string& line, bool tabsToCommas) {
        if (Position >= Bytes.size() || static_cast<unsigned char>(Bytes[Position]) == kEndOfData) {
            return false;
        }
        size_t end = Bytes.find('\n', Position);
        if (end == std::string_view::npos) end = Bytes.size();
        line.assign(Bytes.substr(Position, end - Position));
        Position = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (tabsToCommas) std::replace(line.begin(), line.end(), '\t', ',');
        return true;
    }

private:
    std::string_view Bytes;
    size_t Position = 0;
};

enum class TSection { Comment, Memory, Call, Vfo, Dtmf, Menu };

std::optional<TSection> SectionOfMarker(const std::string& line) {
    if (line == "__COMMENT__") return TSection::Comment;
    if (line == "__MEMORY DATA__") return TSection::Memory;
    if (line == "__CALL DATA__") return TSection::Call;
    if (line == "__VFO DATA__") return TSection::Vfo;
    if (line == "__DTMF DATA__") return TSection::Dtmf;
    if (line == "__RADIO MENU__") return TSection::Menu;
    return std::nullopt;
}

// The record a memory line belongs to, by its label (the text before the first comma).
int MemoryIndexOfLabel(std::string_view label) {
    if (!label.empty() && label[0] >= '0' && label[0] <= '9') {
        return LeadingNumber(label);
    }
    static const char* const kSpecialLabels[] = {"L0", "U0", "L1", "U1", "L2", "U2", "PR", "AL"};
    const std::string_view lastTwo = label.size() >= 2 ? label.substr(label.size() - 2) : label;
    for (int position = 0; position < 8; ++position) {
        if (lastTwo == kSpecialLabels[position]) return TRadioData::kFirstSpecialRecord + position;
    }
    return TRadioData::kFirstSpecialRecord;
}

// The channel count the file brings replaces the current one only when the
// model has such a count: a damaged count would hide (and drop on the next
// save) channels that exist.
bool IsChannelCountOf(std::string_view model, std::string_view count) {
    const TChannelCounts counts = ChannelCountsOf(model);
    return count == counts.Smaller || count == counts.Larger;
}

class TDataFileLoader {
public:
    explicit TDataFileLoader(TRadioData& data) : Data(data) {}

    void Store(const std::string& line) {
        if (const auto marker = SectionOfMarker(line)) {
            Section = *marker;
            Seen[static_cast<size_t>(Section)] = true;
            if (Section == TSection::Menu) MenuCounter = 0;
            return;
        }
        switch (Section) {
            case TSection::Comment:
                Data.SetComment(line);
                break;
            case TSection::Memory:
                StoreMemory(line);
                break;
            case TSection::Call:
                if (!line.empty()) Data.SetCall(line);
                break;
            case TSection::Vfo:
                if (!line.empty()) Data.SetVfo(line);
                break;
            case TSection::Dtmf:
                StoreDtmf(line);
                break;
            case TSection::Menu:
                StoreMenu(line);
                break;
        }
    }

    // What a whole file would have held and this one did not, in words.
    std::vector<std::string> Missing() const {
        static const char* const kSectionNames[] = {
            QT_TRANSLATE_NOOP("Messages", "the comment"),
            QT_TRANSLATE_NOOP("Messages", "the memory channels"),
            QT_TRANSLATE_NOOP("Messages", "the CALL channel"),
            QT_TRANSLATE_NOOP("Messages", "the VFO"),
            QT_TRANSLATE_NOOP("Messages", "the DTMF memories"),
            QT_TRANSLATE_NOOP("Messages", "the menu settings")};
        std::vector<std::string> missing;
        for (size_t section = 0; section < kSectionCount; ++section) {
            if (!Seen[section]) missing.push_back(MessageText(kSectionNames[section]));
        }
        const int slotCount = Data.UsedMenuSlotCount();
        if (Seen[static_cast<size_t>(TSection::Menu)] && MenuCounter <= slotCount) {
            missing.push_back(
                MenuCounter == 0
                    ? MessageText(kSectionNames[kSectionCount - 1])
                    : MessageText(QT_TRANSLATE_NOOP("Messages", "menu settings %1 to %2"),
                                  {std::to_string(MenuCounter), std::to_string(slotCount)}));
        }
        return missing;
    }

private:
    // A line that is no record (blank, or without any field) would otherwise
    // empty the L0 entry; it is skipped.
    void StoreMemory(const std::string& line) {
        const size_t comma = line.find(',');
        if (comma == std::string::npos) return;
        const int index = MemoryIndexOfLabel(std::string_view(line).substr(0, comma));
        if (index <= TRadioData::kWeatherAlertRecord) Data.SetChannel(index, line);
    }

    void StoreDtmf(const std::string& line) {
        if (line.empty()) return;
        const int entry = LeadingNumber(line.substr(0, line.find(',')));
        if (entry <= 9) Data.SetDtmf(entry, line);
    }

    void StoreMenu(const std::string& line) {
        if (MenuCounter == 0) {
            Data.SetProgramVfo(line);
        } else if (MenuCounter <= Data.UsedMenuSlotCount()) {
            if (MenuCounter != kChannelCountSlot || IsChannelCountOf(Data.GetModel(), line)) {
                Data.SetMenuSlot(MenuCounter, line);
            }
        } else {
            return;
        }
        ++MenuCounter;
    }

    static constexpr size_t kSectionCount = 6;

    TRadioData& Data;
    TSection Section = TSection::Comment;
    int MenuCounter = 0;
    std::array<bool, kSectionCount> Seen{};
};

// "a, b and c"
std::string ListOf(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i == 0) {
            text = items[i];
        } else if (i + 1 == items.size()) {
            text = MessageText(QT_TRANSLATE_NOOP("Messages", "%1 and %2"), {text, items[i]});
        } else {
            text = MessageText(QT_TRANSLATE_NOOP("Messages", "%1, %2"), {text, items[i]});
        }
    }
    return text;
}

// A whole data file ends with a line end (or an end-of-data mark); one that
// does not was cut inside its last line.
bool EndsInsideALine(std::string_view bytes) {
    return !bytes.empty() && bytes.back() != '\n' &&
           bytes.find(static_cast<char>(kEndOfData)) == std::string_view::npos;
}

}  // namespace

TDataFileResult ReadDataFile(TRadioData& data, std::string_view bytes, std::string* missing) {
    TLineReader reader(bytes);
    std::string line;
    if (!reader.Next(line, false)) {
        // Nothing a data file always holds is there: an empty file, or one
        // starting with a byte no data file can hold (a UTF-16 mark, say).
        if (missing)
            *missing = MessageText(
                bytes.empty()
                    ? QT_TRANSLATE_NOOP("Messages", "everything: the file is empty")
                    : QT_TRANSLATE_NOOP("Messages",
                                        "everything: it starts with bytes no data file holds"));
        return TDataFileResult::Loaded;
    }
    if (line.compare(0, sizeof(kHeaderPrefix) - 1, kHeaderPrefix) != 0) {
        return TDataFileResult::NotADataFile;
    }
    const std::string model = line.size() > kHeaderModelStart ? line.substr(kHeaderModelStart) : "";
    if (model != data.GetModel()) return TDataFileResult::WrongModel;

    TDataFileLoader loader(data);
    loader.Store(line);  // the header stands in the comment until the comment line comes
    for (int lineNumber = 2; reader.Next(line, lineNumber > 2); ++lineNumber) loader.Store(line);
    if (missing) {
        std::vector<std::string> lacking = loader.Missing();
        if (EndsInsideALine(bytes)) {
            lacking.push_back(
                MessageText(QT_TRANSLATE_NOOP("Messages", "the end of its last line")));
        }
        *missing = ListOf(lacking);
    }
    return TDataFileResult::Loaded;
}

std::string DamagedFileMessage(const std::string& missing) {
    return MessageText(QT_TRANSLATE_NOOP("Messages",
                                         "The data file is damaged: it lacks %1.\nWhat it holds "
                                         "has been opened; check it before you save it or write "
                                         "it to the transceiver."),
                       {missing});
}

std::optional<std::string> LoadDataFileBytes(const QString& path, QString* reason) {
    if (!HasDataFileExtension(path)) {
        if (reason) *reason = NotADataFileName();
        return std::nullopt;
    }
    return LoadFileBytes(path, kLargestDataFile, reason);
}

bool HasDataFileExtension(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("tvr"), Qt::CaseInsensitive) == 0;
}

TDataFileResult OpenDataFile(TRadioData& data, const QString& path, std::string* missing,
                             QString* reason) {
    const std::optional<std::string> bytes = LoadDataFileBytes(path, reason);
    if (!bytes) return TDataFileResult::CannotOpen;
    // The file is read into a copy: a file the reader refuses leaves the data set as it was.
    TRadioData loaded = data;
    loaded.ClearRecords();
    loaded.ApplyDefaultRecords();
    loaded.ApplyMenuDefaults();
    const TDataFileResult result = ReadDataFile(loaded, *bytes, missing);
    if (result == TDataFileResult::Loaded) data = std::move(loaded);
    return result;
}

const char* DataFileMessage(TDataFileResult result) {
    switch (result) {
        case TDataFileResult::Loaded:
            return "";
        case TDataFileResult::WrongModel:
            return kModelMismatchMessage;
        default:
            return kFileOpenErrorMessage;
    }
}
