#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/model/menuslots.h"

// Everything the program knows about one transceiver. Every record is a
// comma-separated ASCII text exactly as data files store it and, for the most
// part, as the transceiver sends it; readers take single fields out on demand.
class TRadioData {
public:
    // Capacities count characters including the terminating NUL of the
    // transceiver's fixed buffers; a stored text is at most capacity - 1 long.
    static constexpr int kChannelCount = 209;
    static constexpr int kRecordCapacity = 100;
    static constexpr int kDtmfCount = 10;
    static constexpr int kDtmfCapacity = 30;
    static constexpr int kProgramVfoCapacity = 15;
    static constexpr int kMarketCodeCapacity = 6;
    static constexpr int kBandLimitCapacity = 20;
    static constexpr int kModelCapacity = 10;
    static constexpr int kCommentCapacity = 101;  // 50 characters, double-byte in Japan
    static constexpr int kMenuSlotCount = kLastMenuSlot;

    // Channels 200..207 hold the special records, 208 is spare.
    static constexpr int kFirstSpecialRecord = 200;
    static constexpr int kPriorityRecord = 206;
    static constexpr int kWeatherAlertRecord = 207;

    // Record kinds of GetField.
    enum TRecordKind {
        kChannelKind = 1,
        kVfoKind = 2,
        kCallKind = 3,
        kDtmfKind = 4,
        kBandLimitKind = 6,
        kClipKind = 7,
        kProgramVfoKind = 9,
        kClipToEndKind = 10,
        kClipNameKind = 11,
    };

    TRadioData();

    void ClearRecords();
    void ApplyDefaultRecords();
    void ApplyWeatherAlertDefault();
    void ApplyMenuDefaults();

    // Field extraction, fields counted from 0. See the record layouts.
    std::string GetField(int kind, int index, int field) const;

    const std::string& GetChannel(int index) const;
    void SetChannel(int index, std::string_view text);
    const std::string& GetVfo() const { return Vfo; }
    void SetVfo(std::string_view text);
    const std::string& GetCall() const { return Call; }
    void SetCall(std::string_view text);
    const std::string& GetDtmf(int entry) const;
    void SetDtmf(int entry, std::string_view text);
    const std::string& GetProgramVfo() const { return ProgramVfo; }
    void SetProgramVfo(std::string_view text);
    const std::string& GetModel() const { return Model; }
    void SetModel(std::string_view text);
    const std::string& GetMarketCode() const { return MarketCode; }
    void SetMarketCode(std::string_view text);
    const std::string& GetBandLimit() const { return BandLimit; }
    void SetBandLimit(std::string_view text);
    const std::string& GetComment() const { return Comment; }
    void SetComment(std::string_view text);
    const std::string& GetClipRecord() const { return ClipRecord; }
    void SetClipRecord(std::string_view text);

    // Slots 1..36 (see TMenuSlot); any other number reads as empty and writes nothing.
    std::string GetMenuSlot(int slot) const;
    void SetMenuSlot(int slot, std::string_view text);
    static int MenuSlotCapacity(int slot);

    // 0 first character, 1 market letter, 2 variant; '\0' past the end.
    char GetMarketChar(int which) const;
    char MarketLetter() const { return GetMarketChar(1); }
    char MarketVariant() const { return GetMarketChar(2); }

    // The channel count N (the channel count slot): channels 0..N exist.
    int ChannelCount() const;
    // Memory names exist only with the smaller count of each model group.
    bool HasMemoryNames() const;
    // Number of menu slots the model uses: 26 on handhelds, 36 on mobiles.
    int UsedMenuSlotCount() const;

    // Row positions walk channels 0..N, then L0..PR, then AL where the market carries it.
    int LastRowPosition() const;
    int RecordIndexOfPosition(int position) const;

    // The contents are everything a data file holds: all but the Changed flag,
    // the callback and the clip record, which belong to the session.
    void RestoreContents(const TRadioData& other);
    bool SameContents(const TRadioData& other) const;

    bool Changed = false;

    // Called after the menu defaults were set, so the window can show the
    // menu pages of the model's layout.
    std::function<void()> OnMenuLayoutChanged;

private:
    std::array<std::string, kChannelCount> Channels;
    std::string Vfo;
    std::string Call;
    std::array<std::string, kDtmfCount> Dtmf;
    std::string ProgramVfo;
    std::string MarketCode;
    std::string BandLimit;
    std::string Model;
    std::string Comment;
    std::array<std::string, kMenuSlotCount> MenuSlots;
    std::string ClipRecord;

    const std::string& RecordOfKind(int kind, int index) const;

    // The members that make up the contents, for copying and comparing them together.
    template <typename TData>
    static auto ContentsOf(TData& data) {
        return std::tie(data.Channels, data.Vfo, data.Call, data.Dtmf, data.ProgramVfo,
                        data.MarketCode, data.BandLimit, data.Model, data.Comment, data.MenuSlots);
    }
};

// Field `field` (from 0) of a record text; with `toEnd` the text from that
// field's start to the end of the record, commas included.
std::string ExtractField(std::string_view record, int field, bool toEnd);
// A field of a channel-like record; the name (field 18) runs to the end.
std::string RecordField(std::string_view record, int field);

// The 1750 Hz tone-burst setting is shown, and so exchanged and printed, only
// with the tone-burst option and where the market offers it.
bool ToneBurstShown(bool toneBurstOption, const TRadioData& data);

// A record counts as present when it is longer than this many characters.
constexpr size_t kEmptyRecordLength = 4;
constexpr size_t kEmptyDtmfLength = 1;
