#include "core/files/listing.h"

#include <array>
#include <string>
#include <string_view>

#include "core/model/channelrecord.h"
#include "core/model/channelview.h"
#include "core/model/commenttext.h"
#include "core/model/frequencyrules.h"
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
    const TModelProfile profile = ProfileOf(data);
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

enum class TMenuScope { All, Handheld, Mobile, ToneBurst, DtmfHold };

using TMenuValue = std::string (*)(const TRadioData& data, const std::string& slot);

struct TMenuItem {
    TMenuSlot Slot;
    const char* Label;
    TMenuScope Scope;
    TMenuValue Value;
};

// texts[i] when the slot holds the number first + i, `otherwise` for anything else.
std::string Numbered(const std::string& slot, int first, std::initializer_list<const char*> texts,
                     const char* otherwise) {
    int number = first;
    for (const char* text : texts) {
        if (slot == std::to_string(number++)) return text;
    }
    return otherwise;
}

std::string OffOn(const TRadioData&, const std::string& slot) {
    return !slot.empty() && slot[0] == '0' ? "OFF" : "ON";
}

std::string PfFunction(const TRadioData&, const std::string& slot) {
    return PfFunctionOfSlot(slot);
}

std::string PriorityScanLine(const TRadioData& data, const std::string& slot) {
    if (slot == "1") return "Priority Scan : ON";
    if (slot == "2") return "Weather Alart : ON";
    if (ProfileOf(data).HasWeatherAlert) return "Priority Scan/Weather Alart : OFF";
    return "Priority Scan : OFF";
}

std::string MicKeyLine(const TRadioData& data, const std::string& slot) {
    return (data.IsMobile() ? "MIC Key Lock : " : "Disable MIC PF Key : ") + OffOn(data, slot);
}

// The priority scan and MIC key items compose their whole line, so they carry no label.
const std::array<TMenuItem, TRadioData::kMenuSlotCount>& MenuItems() {
    using S = TMenuScope;
    using D = const TRadioData&;
    using T = const std::string&;
    static const std::array<TMenuItem, TRadioData::kMenuSlotCount> kItems{{
        {kBatterySaverSlot, "Battery Saver : ", S::Handheld,
         [](D, T s) {
             return Numbered(s, 1,
                             {"0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec",
                              "4.0sec", "5.0sec"},
                             "OFF");
         }},
        {kAutoPowerOffSlot, "Auto Power Off : ", S::All,
         [](D, T s) {
             return Numbered(s, 1, {"30min", "60min", "90min", "120min", "180min"}, "OFF");
         }},
        {kPriorityScanSlot, nullptr, S::All, PriorityScanLine},
        {kScanResumeSlot, "Scan Resume Method : ", S::All,
         [](D, T s) {
             return Numbered(s, 0, {"Time-Operated Mode", "Carrier-Operated Mode"}, "Seek Mode");
         }},
        {kTuneEnableSlot, "Tune Enable : ", S::All, OffOn},
        {kKeyBeepSlot, "Key Beep : ", S::All, OffOn},
        {kTxInhibitSlot, "Tx Inhibit : ", S::Handheld, OffOn},
        {kBusyChannelLockoutSlot, "Busy Channel Lockout : ", S::All, OffOn},
        {kSmeterSquelchSlot, "S-Meter Squelch : ", S::Mobile, OffOn},
        {kSquelchHangTimeSlot, "Squelch Hang Time : ", S::Mobile,
         [](D, T s) {
             return Numbered(s, 1, {"125ms", "250ms", "500ms"}, "OFF");
         }},
        {kTimeOutTimerSlot, "Time-out Timer : ", S::All,
         [](D, T s) {
             return Numbered(s, 1, {"5min", "10min"}, "3min");
         }},
        {kVoxGainSlot, "VOX Gain : ", S::Handheld,
         [](D, T s) { return s == "0" ? std::string("OFF") : s; }},
        {kVoxOnBusySlot, "VOX on Busy : ", S::Handheld, OffOn},
        {kVoxDelaySlot, "VOX Deley : ", S::Handheld,
         [](D, T s) {
             return Numbered(s, 1, {"500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"},
                             "250ms");
         }},
        {kRepeaterOffsetSlot, "Automatic Repeater Offset : ", S::All, OffOn},
        {kToneHoldSlot, "1750Hz Tone Hold : ", S::All, OffOn},
        {kCallKeySlot, "CALL Key : ", S::All,
         [](D, T s) { return std::string(s == "0" ? "CALL" : "1750Hz Tone"); }},
        {kToneBurstSlot, "Tone Burst Frequency : ", S::ToneBurst,
         [](D, T s) {
             return Numbered(s, 0, {"1000Hz", "1450Hz", "1750Hz", "2100Hz"}, "1750Hz");
         }},
        {kDtmfLockSlot, "DTMF Lock : ", S::All, OffOn},
        {kDtmfHoldSlot, "DTMF Hold : ", S::DtmfHold, OffOn},
        {kDtmfMonitorSlot, "DTMF Monitor : ", S::Mobile, OffOn},
        {kDtmfPauseSlot, "DTMF Pause : ", S::All,
         [](D, T s) {
             return Numbered(
                 s, 0, {"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"}, "");
         }},
        {kDtmfSpeedSlot, "DTMF Speed : ", S::All,
         [](D, T s) { return std::string(s == "0" ? "Fast" : "Slow"); }},
        {kPf1Slot, "PF1 : ", S::Mobile, PfFunction},
        {kPf2Slot, "PF2 : ", S::Mobile, PfFunction},
        {kPf3Slot, "PF3 : ", S::Mobile, PfFunction},
        {kPf4Slot, "PF4 : ", S::Mobile, PfFunction},
        {kBrightnessSlot, "Brightness : ", S::Mobile,
         [](D, T s) { return s == "00" ? std::string("OFF") : s; }},
        {kAutoBrightnessSlot, "Auto Brightness : ", S::Mobile, OffOn},
        {kPowerOnMessageSlot, "Power-on Message : ", S::All, [](D, T s) { return s; }},
        {kKeyLockSlot, "Key Lock : ", S::All, OffOn},
        {kMemoryNameSlot, "Memory Name : ", S::All,
         [](D, T s) { return std::string(s == "1" ? "OFF" : "ON"); }},
        {kLampSlot, "Lamp : ", S::Handheld, OffOn},
        {kMicKeyLockSlot, nullptr, S::All, MicKeyLine},
        {kDataSpeedSlot, "Data Speed : ", S::Mobile,
         [](D, T s) { return std::string(s == "0" ? "1200bps" : "9600bps"); }},
        {kChannelCountSlot, "Channel Quantity : ", S::All,
         [](D, T s) { return std::string(s == "49"   ? "50ch"
                                         : s == "99" ? "100ch"
                                                     : "200ch"); }},
    }};
    return kItems;
}

bool Applies(const TRadioData& data, TMenuScope scope, bool toneBurstOption) {
    switch (scope) {
        case TMenuScope::Handheld:
            return data.IsHandheld();
        case TMenuScope::Mobile:
            return data.IsMobile();
        case TMenuScope::ToneBurst:
            return ToneBurstShown(toneBurstOption, data);
        case TMenuScope::DtmfHold:
            return ProfileOf(data).HasDtmfHold;
        case TMenuScope::All:
            break;
    }
    return true;
}

}  // namespace

QString FormatMenuLine(const TRadioData& data, int item, bool toneBurstOption) {
    if (item < 1 || item > TRadioData::kMenuSlotCount) return {};
    const TMenuItem& entry = MenuItems()[static_cast<size_t>(item - 1)];
    if (!Applies(data, entry.Scope, toneBurstOption)) return {};
    const std::string value = entry.Value(data, data.GetMenuSlot(entry.Slot));
    return QString::fromLatin1(entry.Label ? entry.Label + value : value);
}

std::string MenuSettingName(int slot) {
    // These two items compose their whole line, which depends on the model.
    if (slot == kPriorityScanSlot) return "Priority Scan";
    if (slot == kMicKeyLockSlot) return "MIC Key Lock";
    for (const TMenuItem& item : MenuItems()) {
        if (item.Slot != slot || !item.Label) continue;
        const std::string_view label = item.Label;
        return std::string(label.substr(0, label.find(" : ")));
    }
    return "menu slot " + std::to_string(slot);
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
