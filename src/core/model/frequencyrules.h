#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How frequencies, offsets, steps and tones are stored, shown, typed and
// forced into the band. Stored frequencies are 10-digit Hz texts, offsets
// 8-digit Hz texts, steps one code character ("0".."9", "A").

// "0144012500" -> "144.0125": at least three decimals, trailing zeros beyond them dropped.
// Damaged text is read up to its first non-digit, at most 9999.999999 MHz.
std::string FormatFrequencyText(std::string_view storedFrequency);

// "00600000" -> "0.60": MHz with two decimals. Damaged text is read as its leading digits.
std::string FormatOffsetText(std::string_view storedOffset);

// A typed frequency in MHz to its 10-digit Hz text; nothing when it holds
// two or more decimal points. Not yet checked against the band. Each part is read up to
// its first non-digit (no sign, no blanks: "-144" is 0 MHz); more than 9999 MHz gives
// "9999999999", which the fit then clamps to the upper band edge. Whole MHz typed without a
// point are held at the highest the model profile lets one type.
std::optional<std::string> ParseFrequencyText(std::string_view typed, std::string_view model);

// A typed offset in MHz to its 8-digit Hz text, clamped to 69.95 MHz and cut
// to a multiple of 50 kHz; nothing when it holds two or more decimal points. Read like a
// typed frequency: "-5" and "x" are 0 MHz.
std::optional<std::string> ParseOffsetText(std::string_view typed);

struct TFitResult {
    std::string Frequency;  // 10 digits
    bool Changed = false;
};

// Clamps a frequency into the limits ("0144,0145": 144.000000 to 145.999999 MHz)
// and snaps it down onto the step of the given step list position (a position
// outside the model's list snaps to 5 kHz). Any text, however long, is clamped
// without overflow. A lower edge off the step grid (136 MHz on 15 kHz) snaps up to the first
// step inside the band. A missing limit part reads as 0 MHz, an upper limit below the lower
// one as the lower one. Changed whenever the text written differs from the one given, so a
// stored text that was not ten clean digits counts as changed.
TFitResult FitFrequency(std::string_view storedFrequency, std::string_view limits,
                        int stepListPosition, std::string_view model);

// Whether a stored frequency lies inside the limits, read as FitFrequency reads them.
bool IsInsideLimits(std::string_view storedFrequency, std::string_view limits);

// The step list of a model, in the order of its profile's step codes: 11 items where the
// model has the 2.5 kHz step ("2.5kHz" first), 10 elsewhere.
std::vector<std::string> StepListTexts(std::string_view model);
// The text of a stored step code, "0".."9" and "A" ("A" -> "2.5kHz"); empty for any other code.
std::string StepTextOfCode(char code);
// A position outside the model's list gives '0' (5 kHz).
char StepCodeFromListPosition(int position, std::string_view model);
// The list position of a stored step code. A code the model's list does not
// have (a damaged file) gives the position of the market's default step.
int ListPositionFromStepCode(char code, std::string_view model, std::string_view marketCode);
// Step in Hz of a position in the model's step list; 5 kHz outside the list.
int StepHertzOfListPosition(int position, std::string_view model);
// Step in Hz of an internal step index 0..10 (the code's hexadecimal value); 5 kHz for
// any other index.
int StepHertz(int stepIndex);

constexpr int kToneCount = 42;
constexpr int kDcsCount = 104;
const std::array<const char*, kToneCount>& ToneList();  // "67.0Hz" .. "254.1Hz"
const std::array<const char*, kDcsCount>& DcsList();    // "023" .. "754"

// The list position of a stored tone or CTCSS index ("00".."41", else 8)
// and of a stored DCS index ("000".."103", else 0). The range is checked as text, as the
// files have always been read ("7" is above "41"), and the value again against the list.
int TonePositionOf(std::string_view storedIndex);
int DcsPositionOf(std::string_view storedIndex);

// What an editor shows for an empty frequency, step or offset field, as the model profile
// gives it. A model this release does not know gets the 430 MHz handheld's values.
struct TFieldDefaults {
    std::string Frequency;  // 10 digits
    char StepCode;
    std::string Offset;  // 8 digits
};
TFieldDefaults DefaultFieldValues(std::string_view model, std::string_view marketCode);

// Whether the "-7.6MHz Shift" option (stored shift "3") is offered, as the model profile says.
bool OffersMinus76Shift(std::string_view model, std::string_view marketCode);

// The editors' messages about typed values.
inline constexpr char kInvalidFrequencyMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "Invalid Frequency.\nPlease confirm the frequency and try again.");
inline constexpr char kInvalidOffsetMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "Invalid offset frequency.\nPlease confirm the offset frequency and try again.");
inline constexpr char kRoundedMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "The frequency has been rounded to the nearest appropriate frequency.");
