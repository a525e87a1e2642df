#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/model/modelprofile.h"
#include "core/radio/slotcommands.h"

class TRadioData;

// The transceiver's command set as pure text functions: builders give a
// command without its carriage return, parsers take a reply text (carriage
// returns already dropped) or its payload. Most write commands have exactly
// the shape of the transceiver's reply to the matching read, so the builders
// also serve a program that stands in for the transceiver.

// ---- Framing ----

// The command followed by its carriage return. Control characters inside the
// text are dropped, so a damaged record can never split one command into two.
std::string FramedCommand(std::string_view text);
// What the receiver collected, with every carriage return dropped.
std::string ReplyText(std::string_view bytes);
// "?" or "E": the transceiver refused the command.
bool IsRefusal(std::string_view reply);
// "N": the entry asked for holds nothing.
bool IsNoData(std::string_view reply);
// "N", "?" or "E": the replies that carry no echo of the command.
bool IsSpecialReply(std::string_view reply);

// The entry a command names: the command up to the first comma for the
// commands that name one ("ME 005", "MN  PR", "DM 3"), else its mnemonic
// ("CA", "MU"); empty for the wake-up.
std::string EntryOfCommand(std::string_view command);
// Whether `reply` (carriage returns dropped) can answer `command`: a special
// reply, or the command's entry followed by nothing, a blank or a comma.
// Any reply answers the wake-up.
bool ReplyAnswers(std::string_view command, std::string_view reply);
// Whether `reply` confirms a write command: it answers it and is no special reply.
bool ConfirmsWrite(std::string_view command, std::string_view reply);
// Whether `reply` answers the query `command` with data. A refusal ("?" or
// "E") never does, but for a "?" to a channel request ("ME 07"), which stands
// for an empty channel when `refusalIsEmptyChannel` (the handhelds); "N" does
// only where it means "no data": channel, name and DTMF requests.
bool AnswersQuery(std::string_view command, std::string_view reply, bool refusalIsEmptyChannel);
// The record a command reads or writes, as the user knows it: "channel 007",
// "PR", "the name of channel 007", "the CALL channel", "DTMF memory 3",
// "the menu settings", "the market code", "the identification".
std::string DescribeCommand(std::string_view command);

// The lone carriage return that wakes the transceiver up; its reply is discarded.
inline constexpr std::string_view kWakeUpCommand = "";
inline constexpr std::string_view kVfoModeCommand = "VM 0";
inline constexpr std::string_view kProgramCommand = "PROGRAM";
inline constexpr std::string_view kEndCommand = "END";

// ---- Timing ----

inline constexpr std::chrono::milliseconds kReplyTimeout{2500};
// The pause before every command, the wake-up included, as the model profile
// of the model an identification names gives it: the mobiles need time between
// commands, the handhelds take them at once.
std::chrono::milliseconds CommandDelay(std::string_view model);

// ---- Model ----

// The model an "ID" payload names, as the model profile knows it. Empty for a
// transceiver the program does not support.
std::string ModelOfId(std::string_view payload);

// ---- Reply payloads ----

// The reply text from its `start`-th character on; empty when it is shorter.
inline constexpr size_t kPayloadStart = 3;
std::string ReplyPayload(std::string_view reply, size_t start = kPayloadStart);
// An "ME" payload starts with the entry's label, an "MN" payload is the name alone:
// the payloads start after the channel field, of the model's label form.
size_t MemoryPayloadStart(bool specialEntry, const TLabelForm& labels);
size_t NamePayloadStart(const TLabelForm& labels);
std::string MemoryPayload(std::string_view reply, bool specialEntry, const TLabelForm& labels);
std::string NamePayload(std::string_view reply, const TLabelForm& labels);

// ---- Memory entries ----

// An exchange walks a counter from 0: counters 0..N are the memory channels,
// N+1..N+6 are L0, U0, L1, U1, L2, U2, N+7 is PR and N+8 is AL, with N the
// channel count (49, 99 or 199). The record index of a counter, -1 outside.
int RecordOfCounter(int counter, int channelCount);
// The channel field of a record as the commands carry it, in the model's label
// form: "07"/"007" for memory channel 7, "PR" on handhelds and " PR" (a blank
// first) on mobiles. Empty for an index that is no entry.
std::string RecordChannelField(int record, const TLabelForm& labels);
std::string ChannelField(int counter, int channelCount, const TLabelForm& labels);
// The reverse of RecordChannelField: the record index, -1 unless the field
// has exactly the form the model uses.
int RecordOfChannelField(std::string_view field, const TLabelForm& labels);

// The counter of the last entry a write sends: PR, or AL where the market carries it
// (on every model, whether its transceivers have the weather alert or not).
int LastWrittenCounter(const TRadioData& data);

// "ME "/"MN " and the channel field: the read requests.
std::string MemoryRequest(std::string_view channelField);
std::string NameRequest(std::string_view channelField);
// "ME ch," and fields 2..17 of the record, or "ME ch," alone when the record
// has no receive frequency (that clears the entry). The record's own label is
// not sent; the channel field stands in its place.
std::string MemoryEntryText(std::string_view record, std::string_view channelField);
// "MN ch," and the name.
std::string NameEntryText(std::string_view record, std::string_view channelField);
// The record of an entry from its payloads, with the name payload empty when
// names are not exchanged; empty for an empty entry. The record always has
// the 19 fields of the data files, and the special entries of the mobiles
// keep the blank before their label that the data files carry.
std::string MemoryRecord(std::string_view mePayload, std::string_view mnPayload,
                         std::string_view channelField);

// The same for the entry `counter` of a data set; the texts are empty for a
// counter outside the entry sequence. BuildNameWrite is empty as well when
// no "MN" is to follow: names not exchanged, or the entry being cleared.
std::string BuildMemoryRead(const TRadioData& data, int counter);
std::string BuildNameRead(const TRadioData& data, int counter);
std::string BuildMemoryWrite(const TRadioData& data, int counter);
std::string BuildNameWrite(const TRadioData& data, int counter);
// Stores entry `counter` from the "ME" reply and, when names are exchanged, the "MN" reply.
void StoreMemoryReplies(TRadioData& data, int counter, std::string_view meReply,
                        std::string_view mnReply);

// ---- CALL, VFO and programmable VFO ----

std::string BuildCallWrite(const TRadioData& data);
std::string CallRecord(std::string_view payload);
std::string BuildVfoWrite(const TRadioData& data);
std::string BuildPowerWrite(const TRadioData& data);
std::string VfoRecord(std::string_view vfPayload, std::string_view pcPayload);
std::string BuildProgramVfoWrite(const TRadioData& data);

// ---- DTMF memories ----

// The wire has no "*" and "#": they travel as "E" and "F".
std::string DtmfCodeToWire(std::string_view code);
std::string DtmfCodeFromWire(std::string_view code);
std::string BuildDtmfRead(int entry);
// "DM d," and the code; empty for an entry outside 0..9.
std::string BuildDtmfWrite(const TRadioData& data, int entry);
// The entry text "d,CODE" from the payload of entry `entry`; empty when the
// entry holds no code or the payload belongs to another entry.
std::string DtmfEntry(int entry, std::string_view payload);

// ---- Radio menu ----
// Which command carries which slot: slotcommands.h.

// The values joined by commas, each filled to its width with leading zeros.
std::string MenuValuesText(const TRadioData& data);
// With `holdVox` the held slot of a model that holds the VOX off goes out as "0".
std::string BuildMenuWrite(const TRadioData& data, bool holdVox = false);
// Takes each value from its fixed position; a value the payload does not
// hold in full leaves its slot as it was.
void StoreMenuValues(TRadioData& data, std::string_view payload);

// Channel count: "CQ 1" selects the smaller count of the model group.
std::string BuildChannelCountWrite(const TRadioData& data);
void StoreChannelCount(TRadioData& data, std::string_view payload);

// A command carrying one menu slot alone: the request is the mnemonic, the
// write e.g. "LK " and the key lock slot.
std::string BuildSlotRead(const TSlotCommand& command);
std::string BuildSlotWrite(const TRadioData& data, const TSlotCommand& command);

// Channel display protection.
inline constexpr std::string_view kProtectQuery = "CP";
bool IsChannelDisplayProtected(std::string_view payload);
std::string BuildProtectWrite(bool isProtected);
