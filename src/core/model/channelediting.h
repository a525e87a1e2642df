#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

class TRadioData;

// The record logic of the memory channel editor, free of any window. The editor walks
// positions: the regular channels 0..N (N the channel count), then L0, U0, L1, U1, L2, U2,
// PR and, where the weather alert exists, AL.

// The highest position the editor reaches: N + 7, or N + 8 with the AL entry.
int LastEditorPosition(const TRadioData& data);
// Steps past either end come round to the other end.
int WrappedEditorPosition(const TRadioData& data, int position);
// A position from outside (the grid's row) forced into the editor's range.
int ClampedEditorPosition(const TRadioData& data, int position);

// "L0" .. "PR" (and "AL" where it exists); mobiles write them with a leading space.
std::vector<std::string> SpecialLabelTexts(const TRadioData& data);
// What the channel number edit shows for a position: "12", "PR" or " PR".
std::string ChannelNumberText(const TRadioData& data, int position);
// Field 1 of the record stored at a position: "05" on handhelds, "005" on mobiles, or the label.
std::string LabelFieldText(const TRadioData& data, int position);

// What a text typed into the channel number edit asks for.
enum class TChannelEntryKind {
    Empty,    // nothing typed: nothing to do
    Target,   // a channel number or label: go to Position
    Partial,  // the start of a label ("L", "PR" ...): the user is still typing
    Invalid,  // refused
};
struct TChannelEntry {
    TChannelEntryKind Kind;
    int Position = -1;
};
TChannelEntry InterpretChannelEntry(const TRadioData& data, std::string_view typed);

// The split and shift radios: one choice of the five.
enum class TShiftChoice { Split, Simplex, Plus, Minus, Minus76 };
// The shift a stored shift field selects: "1" plus, "2" minus, "3" -7.6 MHz where the option
// is offered, Simplex for anything else.
TShiftChoice ShiftChoiceOf(std::string_view shiftField, bool offersMinus76);
// The shift field a choice is stored as; Split and Simplex store "0".
const char* ShiftField(TShiftChoice shift);
// The tone, CTCSS and DCS boxes: at most one of them is checked.
enum class TToneChoice { None, Tone, Ctcss, Dcs };

// What a frequency editor shows: the frequency group, the tone group and the two options
// every channel-like record has.
struct TChannelDisplay {
    std::string RxFrequency;  // display texts ("145.000", "0.60")
    int StepPosition = 0;     // step list positions
    std::string TxFrequency;
    int TxStepPosition = 0;
    std::string Offset;
    bool OffersMinus76 = false;
    TShiftChoice Shift = TShiftChoice::Simplex;
    bool Reverse = false;
    bool ReverseEnabled = true;
    bool TonesEnabled = true;  // false on AL
    TToneChoice Tone = TToneChoice::None;
    int TonePosition = 0;  // tone and DCS list positions
    int CtcssPosition = 0;
    int DcsPosition = 0;
    bool Narrow = false;
    bool BeatShift = false;
};

// Everything the memory editor shows for one position.
struct TMemoryDisplay : TChannelDisplay {
    std::string ChannelNumber;
    int RecordIndex = 0;
    bool LockoutEnabled = true;
    bool Lockout = false;
    bool NameShown = false;  // memory names exist with this channel count
    std::string Name;
};
TMemoryDisplay MemoryDisplayOf(const TRadioData& data, int position);

// What a frequency editor's controls hold when the user saves or presses Enter.
struct TChannelEdits {
    std::string RxText;  // as typed
    std::string TxText;  // parsed even while hidden
    std::string OffsetText;
    int StepPosition = 0;
    int TxStepPosition = 0;
    TShiftChoice Shift = TShiftChoice::Simplex;
    bool Reverse = false;
    TToneChoice Tone = TToneChoice::None;
    int TonePosition = 0;
    int CtcssPosition = 0;
    int DcsPosition = 0;
    bool Narrow = false;
    bool BeatShift = false;
};

struct TMemoryEdits : TChannelEdits {
    int Position = 0;
    bool Lockout = false;
    std::string Name;  // empty when the name edit is disabled
};
// The edits exactly as a just-loaded display leaves the controls.
TChannelEdits ChannelEditsOf(const TChannelDisplay& display);
TMemoryEdits EditsOf(const TMemoryDisplay& display, int position);

enum class TEditFailure { None, InvalidFrequency, InvalidOffset };
// The message that tells the user about a failure; empty for None.
const char* FailureMessage(TEditFailure failure);

// The record text a save stores, or why nothing is stored.
struct TBuiltRecord {
    TEditFailure Failure = TEditFailure::None;
    std::string Text;
    bool Rounded = false;  // a fit moved a frequency: the user is told after the store
};
struct TMemoryRecord : TBuiltRecord {
    int RecordIndex = 0;
};
TMemoryRecord BuildMemoryRecord(const TRadioData& data, const TMemoryEdits& edits);

// Enter in a frequency or offset edit: the typed texts parsed, fitted into the band and
// shown again.
struct TNormalisedTexts {
    TEditFailure Failure = TEditFailure::None;
    std::string RxFrequency;
    std::string TxFrequency;  // the fitted receive frequency unless split
    std::string Offset;
    bool Rounded = false;
};
TNormalisedTexts NormaliseFrequencyTexts(const TRadioData& data, const TChannelEdits& edits);

// The CALL channel: one record, field 1 always "0", no lock-out and no name. Only an empty
// frequency shows the default, and the tones are never disabled.
TChannelDisplay CallDisplayOf(const TRadioData& data);
TBuiltRecord BuildCallRecord(const TRadioData& data, const TChannelEdits& edits);

// The VFO: no split, a transmit power, and a frequency held inside the programmable VFO
// range rather than the band.
struct TVfoDisplay : TChannelDisplay {
    int PowerPosition = 0;
    std::string LowerLimit;  // whole MHz of the programmable VFO range ("144"), empty for 0
    std::string UpperLimit;
};
TVfoDisplay VfoDisplayOf(const TRadioData& data);

struct TVfoEdits : TChannelEdits {
    int PowerPosition = 0;
};
// The frequency is fitted into the programmable VFO range stored in the data set.
TBuiltRecord BuildVfoRecord(const TRadioData& data, const TVfoEdits& edits);
TNormalisedTexts NormaliseVfoTexts(const TRadioData& data, const TChannelEdits& edits);

// "High", "Mid", "Low" on handhelds; "High", "Low" on mobiles.
std::vector<std::string> PowerListTexts(const TRadioData& data);
// A stored power code to its list position: a mobile shows Mid as Low, and anything
// unknown ("3" included) as High.
int PowerPositionOf(const TRadioData& data, std::string_view stored);
// A mobile's Low is written "2".
char PowerCodeOf(const TRadioData& data, int position);

// The lower and upper edit of the programmable VFO range, whole MHz as typed.
struct TRangeTexts {
    std::string Lower;
    std::string Upper;
    bool operator==(const TRangeTexts&) const = default;
};
// The edits after the user changed the lower one, or the upper one: three typed digits are
// forced into the band, and the other end follows so that the range never turns round.
TRangeTexts LowerRangeTyped(const TRadioData& data, TRangeTexts edits);
TRangeTexts UpperRangeTyped(const TRadioData& data, TRangeTexts edits);
// Before a save or an Enter: an end not typed out to three digits becomes the band's edge.
TRangeTexts CompletedRange(const TRadioData& data, TRangeTexts edits);
// The programmable VFO range as stored: "0144,0147".
std::string ProgramVfoText(const TRangeTexts& edits);

// DTMF memories: ten entries "i,code".
inline constexpr int kLastDtmfEntry = 9;
// The code of an entry, empty when there is none.
std::string DtmfCodeOf(const TRadioData& data, int entry);
std::string DtmfEntryText(int entry, std::string_view code);
// Steps past either end come round to the other end.
int WrappedDtmfEntry(int entry);
// The longest DTMF code the transceiver keeps.
inline constexpr int kDtmfCodeLength = 16;
// Whether a DTMF code may hold this character: "0"-"9", "A"-"D", "*", "#" and space.
bool IsDtmfCharacter(char c);

// The editors' messages about moving and names.
inline constexpr char kReviseChangeQuestion[] = QT_TRANSLATE_NOOP(
    "Messages", "The contents have been changed.\nDo you want to revise the change?");
inline constexpr char kInvalidChannelMessage[] =
    QT_TRANSLATE_NOOP("Messages", "Invalid channel Number.\nPlease check and try again.");
inline constexpr char kInvalidCharacterMessage[] =
    QT_TRANSLATE_NOOP("Messages", "Invalid character.\nPlease check and try again.");
// The DTMF editor's own words when another entry is chosen over unsaved edits.
inline constexpr char kChangeEntryQuestion[] =
    QT_TRANSLATE_NOOP("Messages", "The contents has been changed.\nDo you want to change?");

// The longest memory name the transceiver keeps.
inline constexpr int kMemoryNameLength = 6;
// Whether a memory name may hold this character: "0"-"9", "A"-"Z", "-", "/" and space.
bool IsMemoryNameCharacter(char c);
