#include "core/model/radiodata.h"

#include "core/model/channelrecord.h"
#include "core/model/defaultrecords.h"
#include "core/model/modelprofile.h"
#include "core/model/numbertext.h"

namespace {

const std::string kNoText;

// Stores a text, cut to what the fixed buffer of that record can hold.
void StoreCut(std::string& target, std::string_view text, int capacity) {
    target.assign(text.substr(0, static_cast<size_t>(capacity - 1)));
}

}  // namespace

std::string ExtractField(std::string_view record, int field, bool toEnd) {
    if (field < 0) return {};
    // The record is scanned as the transceiver's buffer holds it: at most 99 characters.
    record = record.substr(0, TRadioData::kRecordCapacity - 1);
    const int wanted = field > kLastField ? kLastField : field;
    size_t start = 0;
    for (int current = 0; current < wanted; ++current) {
        const size_t comma = record.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    if (toEnd) return std::string(record.substr(start));
    const size_t end = record.find(',', start);
    return std::string(record.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string RecordField(std::string_view record, int field) {
    return ExtractField(record, field, field == kNameField);
}

bool ToneBurstShown(bool toneBurstOption, const TRadioData& data) {
    return toneBurstOption && ProfileOf(data).OffersToneBurst;
}

TRadioData::TRadioData() = default;

void TRadioData::RestoreContents(const TRadioData& other) {
    ContentsOf(*this) = ContentsOf(other);
}

bool TRadioData::SameContents(const TRadioData& other) const {
    return ContentsOf(*this) == ContentsOf(other);
}

void TRadioData::ClearRecords() {
    for (auto& channel : Channels) channel.clear();
    Vfo.clear();
    Call.clear();
    for (auto& entry : Dtmf) entry.clear();
}

void TRadioData::ApplyDefaultRecords() {
    const TVfoCallDefaults defaults = DefaultVfoCallRecords(Model, MarketCode);
    SetVfo(defaults.Vfo);
    SetCall(defaults.Call);
    SetProgramVfo(GetField(kBandLimitKind, 0, 0) + ',' + GetField(kBandLimitKind, 0, 1));
}

void TRadioData::ApplyWeatherAlertDefault() {
    const std::string record = DefaultWeatherAlertRecord(Model, MarketCode);
    if (!record.empty()) SetChannel(kWeatherAlertRecord, record);
}

void TRadioData::ApplyMenuDefaults() {
    for (int slot = kFirstMenuSlot; slot <= kLastMenuSlot; ++slot) {
        if (slot == kChannelCountSlot) continue;
        SetMenuSlot(slot, DefaultMenuSlot(slot, Model, MarketCode));
    }
    if (OnMenuLayoutChanged) OnMenuLayoutChanged();
}

const std::string& TRadioData::RecordOfKind(int kind, int index) const {
    switch (kind) {
        case kChannelKind:
            return GetChannel(index);
        case kVfoKind:
            return Vfo;
        case kCallKind:
            return Call;
        case kDtmfKind:
            return GetDtmf(index);
        case kBandLimitKind:
            return BandLimit;
        case kProgramVfoKind:
            return ProgramVfo;
        case kClipKind:
        case kClipToEndKind:
        case kClipNameKind:
            return ClipRecord;
        default:
            return kNoText;
    }
}

std::string TRadioData::GetField(int kind, int index, int field) const {
    const bool toEnd = kind == kClipToEndKind || (kind == kChannelKind && field == kNameField);
    return ExtractField(RecordOfKind(kind, index), field, toEnd);
}

const std::string& TRadioData::GetChannel(int index) const {
    if (index < 0 || index >= kChannelCount) return kNoText;
    return Channels[static_cast<size_t>(index)];
}

void TRadioData::SetChannel(int index, std::string_view text) {
    if (index < 0 || index >= kChannelCount) return;
    StoreCut(Channels[static_cast<size_t>(index)], text, kRecordCapacity);
}

void TRadioData::SetVfo(std::string_view text) {
    StoreCut(Vfo, text, kRecordCapacity);
}

void TRadioData::SetCall(std::string_view text) {
    StoreCut(Call, text, kRecordCapacity);
}

const std::string& TRadioData::GetDtmf(int entry) const {
    if (entry < 0 || entry >= kDtmfCount) return kNoText;
    return Dtmf[static_cast<size_t>(entry)];
}

void TRadioData::SetDtmf(int entry, std::string_view text) {
    if (entry < 0 || entry >= kDtmfCount) return;
    StoreCut(Dtmf[static_cast<size_t>(entry)], text, kDtmfCapacity);
}

void TRadioData::SetProgramVfo(std::string_view text) {
    StoreCut(ProgramVfo, text, kProgramVfoCapacity);
}

void TRadioData::SetModel(std::string_view text) {
    StoreCut(Model, text, kModelCapacity);
}

void TRadioData::SetMarketCode(std::string_view text) {
    StoreCut(MarketCode, text, kMarketCodeCapacity);
}

void TRadioData::SetBandLimit(std::string_view text) {
    StoreCut(BandLimit, text, kBandLimitCapacity);
}

void TRadioData::SetComment(std::string_view text) {
    StoreCut(Comment, text, kCommentCapacity);
}

void TRadioData::SetClipRecord(std::string_view text) {
    StoreCut(ClipRecord, text, kRecordCapacity);
}

int TRadioData::MenuSlotCapacity(int slot) {
    switch (slot) {
        case kPowerOnMessageSlot:
            return 9;
        case kChannelCountSlot:
            return 4;
        case kPf1Slot:
        case kPf2Slot:
        case kPf3Slot:
        case kPf4Slot:
        case kBrightnessSlot:
            return 3;
        default:
            return 2;
    }
}

std::string TRadioData::GetMenuSlot(int slot) const {
    if (slot < kFirstMenuSlot || slot > kLastMenuSlot) return {};
    return MenuSlots[static_cast<size_t>(slot - kFirstMenuSlot)];
}

void TRadioData::SetMenuSlot(int slot, std::string_view text) {
    if (slot < kFirstMenuSlot || slot > kLastMenuSlot) return;
    StoreCut(MenuSlots[static_cast<size_t>(slot - kFirstMenuSlot)], text, MenuSlotCapacity(slot));
}

char TRadioData::GetMarketChar(int which) const {
    if (which < 0 || static_cast<size_t>(which) >= MarketCode.size()) return '\0';
    return MarketCode[static_cast<size_t>(which)];
}

int TRadioData::ChannelCount() const {
    return LeadingNumber(MenuSlots[kChannelCountSlot - kFirstMenuSlot]);
}

bool TRadioData::HasMemoryNames() const {
    return ProfileOf(*this).HasMemoryNames(ChannelCount());
}

int TRadioData::UsedMenuSlotCount() const {
    return ProfileOf(*this).UsedMenuSlots;
}

int TRadioData::LastRowPosition() const {
    return ChannelCount() + (ProfileOf(*this).CarriesAlEntry ? 8 : 7);
}

int TRadioData::RecordIndexOfPosition(int position) const {
    const int count = ChannelCount();
    return position <= count ? position : position - count + 199;
}
