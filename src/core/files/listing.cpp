#include "core/files/listing.h"

#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "core/model/channelrecord.h"
#include "core/model/channelview.h"
#include "core/model/commenttext.h"
#include "core/model/frequencyrules.h"
#include "core/model/menuchoices.h"
#include "core/model/menusettings.h"
#include "core/model/modelprofile.h"
#include "core/model/numbertext.h"
#include "core/model/pffunctions.h"
#include "core/model/radiodata.h"

namespace {

// The line counter is checked against these before data lines and headings. A
// heading comes after a blank line and must land on line 57 at the latest, so that
// a data line still fits under it.
constexpr int kLastDataLine = 59;
constexpr int kLastHeadingCheckLine = 56;

std::string StepText(const std::string& code) {
    return code.size() == 1 ? StepTextOfCode(code[0]) : "";
}

std::string ShiftText(const TRadioData& data, const std::string& shift) {
    if (shift == "1") return " +";
    if (shift == "2") return " -";
    if (shift != "3") return " ";
    const TModelProfile& profile = ProfileOf(data);
    if (!profile.ListsMinus76Shift) return "";
    return profile.Minus76Market ? " -7.6MHz" : " ";
}

std::string ToneText(const std::string& record) {
    std::string text;
    if (RecordField(record, kToneField) == "1") {
        text += " T:";
        text +=
            ToneList()[static_cast<size_t>(TonePositionOf(RecordField(record, kToneIndexField)))];
    }
    if (RecordField(record, kCtcssField) == "1") {
        text += " CT:";
        text +=
            ToneList()[static_cast<size_t>(TonePositionOf(RecordField(record, kCtcssIndexField)))];
    }
    if (RecordField(record, kDcsField) == "1") {
        text += " DCS:";
        text += DcsList()[static_cast<size_t>(DcsPositionOf(RecordField(record, kDcsIndexField)))];
    }
    return text;
}

// The transmit part: the repeater offset of a shifted channel, or the split frequency.
std::string TransmitText(const std::string& record) {
    const std::string shift = RecordField(record, kShiftField);
    const std::string txFrequency = RecordField(record, kTxFreqField);
    const std::string offset = RecordField(record, kOffsetField);
    std::string text;
    if ((shift == "1" || shift == "2") && LeadingNumber(txFrequency) <= 0 && offset.size() > 1) {
        text += " Offset:" + FormatOffsetText(offset) + "MHz";
    }
    if (LeadingNumber(txFrequency) > 1) {
        text += " TX:" + FormatFrequencyText(txFrequency) + "MHz " +
                StepText(RecordField(record, kTxStepField));
    }
    return text;
}

std::string PowerText(const std::string& power) {
    if (power == "0") return " TX Power:High";
    if (power == "1") return " TX Power:Mid";
    if (power == "2") return " TX Power:Low";
    return {};
}

const std::string& RecordOfKind(const TRadioData& data, TChannelLineKind kind, int record) {
    switch (kind) {
        case TChannelLineKind::Vfo:
            return data.GetVfo();
        case TChannelLineKind::Call:
            return data.GetCall();
        case TChannelLineKind::Memory:
            break;
    }
    return data.GetChannel(record);
}

}  // namespace

QString FormatChannelLine(const TRadioData& data, TChannelLineKind kind, int record) {
    const std::string& text = RecordOfKind(data, kind, record);
    std::string line;
    if (kind == TChannelLineKind::Memory) line = RecordField(text, kLabelField) + " ";
    line += FormatFrequencyText(RecordField(text, kRxFreqField)) + "MHz " +
            StepText(RecordField(text, kStepField));
    const std::string narrow = RecordField(text, kNarrowField);
    if (narrow == "0") line += " FM";
    if (narrow == "1") line += " FMN";
    line += ShiftText(data, RecordField(text, kShiftField));
    if (RecordField(text, kReverseField) == "1") line += "R";
    line += TransmitText(text);
    line += ToneText(text);
    const std::string name = RecordField(text, kNameField);
    if (!name.empty()) line += " Name:" + name;
    line += PowerText(RecordField(text, kVfoPowerField));
    if (RecordField(text, kBeatShiftField) == "1") line += " BS";
    if (RecordField(text, kLockoutField) == "1") line += " *";
    return QString::fromLatin1(line);
}

namespace {

// The menu settings in the order the listing prints them.
constexpr TMenuSlot kListingOrder[] = {
    kBatterySaverSlot,
    kAutoPowerOffSlot,
    kPriorityScanSlot,
    kScanResumeSlot,
    kTuneEnableSlot,
    kKeyBeepSlot,
    kTxInhibitSlot,
    kBusyChannelLockoutSlot,
    kSmeterSquelchSlot,
    kSquelchHangTimeSlot,
    kTimeOutTimerSlot,
    kVoxGainSlot,
    kVoxOnBusySlot,
    kVoxDelaySlot,
    kRepeaterOffsetSlot,
    kToneHoldSlot,
    kCallKeySlot,
    kToneBurstSlot,
    kDtmfLockSlot,
    kDtmfHoldSlot,
    kDtmfMonitorSlot,
    kDtmfPauseSlot,
    kDtmfSpeedSlot,
    kPf1Slot,
    kPf2Slot,
    kPf3Slot,
    kPf4Slot,
    kBrightnessSlot,
    kAutoBrightnessSlot,
    kPowerOnMessageSlot,
    kKeyLockSlot,
    kMemoryNameSlot,
    kLampSlot,
    kMicKeyLockSlot,
    kDataSpeedSlot,
    kChannelCountSlot,
};
static_assert(std::size(kListingOrder) == TRadioData::kMenuSlotCount);

// The choice a stored value names, in the listing's words; the fallback choice for a
// value that names none.
std::string ListedChoice(const TMenuSetting& setting, const std::string& value) {
    const TMenuListing& listing = setting.Listing;
    const std::span<const char* const> words =
        listing.Words.empty() ? setting.Choices : listing.Words;
    for (size_t position = 0; position < words.size(); ++position) {
        if (value == MenuChoiceText(setting.Slot, static_cast<int>(position))) {
            return words[position];
        }
    }
    return listing.Fallback < 0 ? "" : words[static_cast<size_t>(listing.Fallback)];
}

std::string ListedValue(const TMenuSetting& setting, const std::string& value) {
    const TMenuListing& listing = setting.Listing;
    switch (listing.As) {
        case TListedValue::Choice:
            return ListedChoice(setting, value);
        case TListedValue::OffOn:
            return !value.empty() && value[0] == '0' ? "OFF" : "ON";
        case TListedValue::OffForOne:
            return value == "1" ? "OFF" : "ON";
        case TListedValue::Text:
            return listing.OffText && value == listing.OffText ? "OFF" : value;
        case TListedValue::PfFunction:
            return PfFunctionOfSlot(value);
        case TListedValue::ChannelCount:
            return value == "49" ? "50ch" : value == "99" ? "100ch" : "200ch";
        case TListedValue::PriorityScan:
            break;
    }
    return value;
}

// The priority scan's line names the scan that is on.
std::string PriorityScanLine(const TRadioData& data, const std::string& value) {
    if (value == "1") return "Priority Scan : ON";
    if (value == "2") return "Weather Alart : ON";
    if (ProfileOf(data).HasWeatherAlert) return "Priority Scan/Weather Alart : OFF";
    return "Priority Scan : OFF";
}

bool IsListed(const TRadioData& data, const TMenuSetting& setting, bool toneBurstOption) {
    if (!CarriageIn(setting, ProfileOf(data).Menu).Carried()) return false;
    switch (setting.Shown) {
        case TMenuShown::WithToneBurst:
            return ToneBurstShown(toneBurstOption, data);
        case TMenuShown::WhereDtmfHolds:
            return ProfileOf(data).HasDtmfHold;
        case TMenuShown::Always:
            break;
    }
    return true;
}

}  // namespace

QString FormatMenuLine(const TRadioData& data, int item, bool toneBurstOption) {
    if (item < 1 || item > TRadioData::kMenuSlotCount) return {};
    const TMenuSetting& setting = MenuSettingOf(kListingOrder[static_cast<size_t>(item - 1)]);
    if (!IsListed(data, setting, toneBurstOption)) return {};
    const std::string value = data.GetMenuSlot(setting.Slot);
    if (setting.Listing.As == TListedValue::PriorityScan) {
        return QString::fromLatin1(PriorityScanLine(data, value));
    }
    return QString::fromLatin1(std::string(ListedNameIn(setting, ProfileOf(data).Menu)) + " : " +
                               ListedValue(setting, value));
}

std::string MenuSettingName(int slot) {
    if (slot < kFirstMenuSlot || slot > kLastMenuSlot) return "menu slot " + std::to_string(slot);
    return MenuSettingOf(slot).Listing.Name;
}

namespace {

// Puts lines on pages as the printer moves down them.
class TPageWriter {
public:
    explicit TPageWriter(const QString& caption) : Caption(caption) { StartPage(2); }

    void Print(const QString& text) {
        TListingPage& page = Pages.back();
        while (page.size() <= Line) page.append(QString());
        page[Line] = text;
    }
    void Advance(int lines) { Line += lines; }
    void PrintLine(const QString& text) {
        Print(text);
        Advance(1);
    }
    // Before a data line: a full page continues on the next.
    void CheckBeforeData() {
        if (Line > kLastDataLine) StartPage(2);
    }
    // Before a heading: the heading and one line after it must fit, after its blank line.
    void CheckBeforeHeading(int continueAt = 1) {
        if (Line > kLastHeadingCheckLine) StartPage(continueAt);
    }
    void Heading(const char* text) {
        CheckBeforeHeading();
        Advance(1);
        PrintLine(QString::fromLatin1(text));
    }
    std::vector<TListingPage> Take() { return std::move(Pages); }

private:
    void StartPage(int continueAt) {
        Pages.emplace_back();
        Line = 0;
        Print(Caption);
        Line = continueAt;
    }

    QString Caption;
    std::vector<TListingPage> Pages;
    int Line = 0;
};

void PrintMemoryChannels(const TRadioData& data, TPageWriter& writer) {
    writer.PrintLine(QStringLiteral("[Memory Channel]"));
    for (int row = 1; row < MemoryGridRowCount(data); ++row) {
        writer.CheckBeforeData();
        const int record = RecordOfMemoryRow(data, row);
        if (data.GetChannel(record).size() > 1) {
            writer.PrintLine(FormatChannelLine(data, TChannelLineKind::Memory, record));
        }
    }
}

void PrintVfo(const TRadioData& data, TPageWriter& writer) {
    writer.Heading("[VFO]");
    writer.CheckBeforeData();
    if (RecordField(data.GetVfo(), kRxFreqField).size() > 1) {
        writer.PrintLine(FormatChannelLine(data, TChannelLineKind::Vfo));
    }
    // The range line keeps to the VFO's page only with room to spare; on a new
    // page it starts at line 2 like any other data line, not under the caption.
    writer.CheckBeforeHeading(2);
    writer.CheckBeforeData();
    writer.PrintLine(QStringLiteral("Program VFO : %1MHz - %2MHz")
                         .arg(LeadingNumber(data.GetField(TRadioData::kProgramVfoKind, 0, 0)))
                         .arg(LeadingNumber(data.GetField(TRadioData::kProgramVfoKind, 0, 1))));
}

void PrintCall(const TRadioData& data, TPageWriter& writer) {
    writer.Heading("[CALL Channel]");
    writer.CheckBeforeData();
    if (RecordField(data.GetCall(), kRxFreqField).size() > 1) {
        writer.PrintLine(FormatChannelLine(data, TChannelLineKind::Call));
    }
}

void PrintDtmf(const TRadioData& data, TPageWriter& writer) {
    writer.Heading("[DTMF Memory]");
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        writer.CheckBeforeData();
        const std::string code = data.GetField(TRadioData::kDtmfKind, entry, 1);
        if (code.empty()) continue;
        writer.PrintLine(
            QString::fromLatin1(data.GetField(TRadioData::kDtmfKind, entry, 0) + " " + code));
    }
}

void PrintMenu(const TRadioData& data, bool toneBurstOption, TPageWriter& writer) {
    writer.Heading("[Menu]");
    for (int item = 1; item <= TRadioData::kMenuSlotCount; ++item) {
        writer.CheckBeforeData();
        const QString line = FormatMenuLine(data, item, toneBurstOption);
        if (!line.isEmpty()) writer.PrintLine(line);
    }
}

}  // namespace

std::vector<TListingPage> ListingPages(const TRadioData& data, const QString& caption,
                                       bool toneBurstOption) {
    TPageWriter writer(caption);
    const QString comment = CommentToText(data.GetComment(), ProfileOf(data));
    if (!comment.isEmpty()) {
        writer.PrintLine(QStringLiteral("[Comment]"));
        writer.Print(comment);
        writer.Advance(2);
    }
    PrintMemoryChannels(data, writer);
    PrintVfo(data, writer);
    PrintCall(data, writer);
    PrintDtmf(data, writer);
    PrintMenu(data, toneBurstOption, writer);
    return writer.Take();
}

QString ListingText(const std::vector<TListingPage>& pages) {
    QString text;
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) text += QStringLiteral("\f\n");
        for (const QString& line : pages[page]) text += line + QLatin1Char('\n');
    }
    return text;
}
