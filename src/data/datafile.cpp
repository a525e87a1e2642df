#include "data/datafile.h"

#include <QSaveFile>

#include "data/radiodata.h"

namespace {

const char kHeader[] = "HALVERN Radio Channel Composer for ";
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
        if (record.size() > kEmptyRecordLength) AddLine(file, CommasToTabs(record, kMemoryLineTabs));
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
    for (int slot = 1; slot <= data.UsedMenuSlotCount(); ++slot) AddLine(file, data.GetMenuSlot(slot));
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

bool SaveDataFile(const TRadioData& data, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = WriteDataFile(data);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
