#include "core/model/frequencyrules.h"

#include <algorithm>
#include <cstdint>

#include "core/model/modelprofile.h"

namespace {

constexpr int64_t kHertzPerMhz = 1'000'000;
constexpr int64_t kLargestTenDigits = 9'999'999'999;
constexpr int64_t kLargestMhz = 9'999;
constexpr int64_t kLargestOffset = 69'950'000;
constexpr int64_t kOffsetGrain = 50'000;
constexpr int64_t kLargestOffsetMhz = 69;
constexpr int kFrequencyDigits = 10;
constexpr int kOffsetDigits = 8;
constexpr size_t kFrequencyFractionDigits = 6;
constexpr size_t kOffsetFractionDigits = 2;
constexpr int kDefaultTonePosition = 8;
constexpr int kDefaultDcsPosition = 0;
constexpr int kStepCount = 11;
constexpr int kDigitStepCount = 10;         // codes "0".."9"; "A" follows
constexpr int kTwoPointFiveStepIndex = 10;  // 2.5 kHz, code "A", not on every model
constexpr int kFallbackStepIndex = 0;       // 5 kHz

struct TStep {
    int Hertz;
    const char* Text;
};

constexpr std::array<TStep, kStepCount> kSteps{{
    {5000, "5kHz"},
    {6250, "6.25kHz"},
    {10000, "10kHz"},
    {12500, "12.5kHz"},
    {15000, "15kHz"},
    {20000, "20kHz"},
    {25000, "25kHz"},
    {30000, "30kHz"},
    {50000, "50kHz"},
    {100000, "100kHz"},
    {2500, "2.5kHz"},
}};

constexpr std::array<const char*, kToneCount> kTones{
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
    "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
    "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
    "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
    "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "206.5Hz", "210.7Hz",
    "218.1Hz", "225.7Hz", "229.1Hz", "233.6Hz", "241.8Hz", "250.3Hz", "254.1Hz"};

constexpr std::array<const char*, kDcsCount> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the leading decimal digits the way atoi does, but takes neither blanks nor a sign:
// a typed "-5" must not become a negative offset, and the edit boxes never need them.
// Saturates at ten nines, so pasted runs of digits cannot overflow.
int64_t LeadingValue(std::string_view text) {
    int64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) break;
        value = std::min(value * 10 + (c - '0'), kLargestTenDigits);
    }
    return value;
}

std::string_view LeadingDigits(std::string_view text) {
    size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) ++count;
    return text.substr(0, count);
}

std::string ZeroPadded(int64_t value, int width) {
    std::string text = std::to_string(value);
    const auto size = static_cast<size_t>(width);
    if (text.size() < size) text.insert(0, size - text.size(), '0');
    return text;
}

// The step codes of a model's list, in list order.
std::string_view StepCodesOf(std::string_view model) {
    return ProfileOf(model, {}).StepCodes;
}

int StepListSize(std::string_view model) {
    return static_cast<int>(StepCodesOf(model).size());
}

int StepIndexOfCode(char code) {
    return IsDigit(code) ? code - '0' : kDigitStepCount + (code - 'A');
}

int StepIndexOfPosition(int position, std::string_view model) {
    const std::string_view codes = StepCodesOf(model);
    if (position < 0 || position >= static_cast<int>(codes.size())) return kFallbackStepIndex;
    return StepIndexOfCode(codes[static_cast<size_t>(position)]);
}

std::optional<int> PositionOfStepCode(char code, std::string_view model) {
    const size_t position = StepCodesOf(model).find(code);
    if (position == std::string_view::npos) return std::nullopt;
    return static_cast<int>(position);
}

// Stored indexes are compared as text first, as the files have always been read; the
// position check afterwards catches what text order lets through ("1000" < "103").
int ListPositionOf(std::string_view stored, std::string_view lowest, std::string_view highest,
                   int count, int fallback) {
    if (stored < lowest || stored > highest) return fallback;
    const int64_t position = LeadingValue(stored);
    return position < count ? static_cast<int>(position) : fallback;
}

// Fraction digits as typed, up to the first character that is not a digit.
std::string_view FractionDigits(std::string_view afterPoint, size_t most) {
    return LeadingDigits(afterPoint).substr(0, most);
}

std::string PaddedRight(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), '0');
    return text;
}

struct TBand {
    int64_t Lowest;
    int64_t Highest;
};

// A limit text lacking a part reads that part as 0 MHz; an upper limit below the lower one
// is taken as the lower one, so the band is never empty.
TBand BandOf(std::string_view limits) {
    const size_t comma = limits.find(',');
    const std::string_view upper = comma == std::string_view::npos ? "" : limits.substr(comma + 1);
    const int64_t lowerMhz = std::min(LeadingValue(limits.substr(0, comma)), kLargestMhz);
    const int64_t upperMhz = std::max(std::min(LeadingValue(upper), kLargestMhz), lowerMhz);
    return {lowerMhz * kHertzPerMhz, (upperMhz + 1) * kHertzPerMhz - 1};
}

// Snaps down onto the step; where the lower band edge is not on the step (136 MHz is no
// multiple of 15 kHz) that would leave the band, so the step above the edge is taken instead.
int64_t SnappedToStep(int64_t hertz, int64_t step, const TBand& band) {
    int64_t snapped = hertz / step * step;
    if (snapped < band.Lowest) snapped += step;
    return snapped;
}

}  // namespace

std::string FormatFrequencyText(std::string_view storedFrequency) {
    const int64_t hertz = LeadingValue(storedFrequency);
    std::string text =
        std::to_string(hertz / kHertzPerMhz) + "." + ZeroPadded(hertz / 1000 % 1000, 3);
    std::string belowKhz = ZeroPadded(hertz % 1000, 3);
    while (!belowKhz.empty() && belowKhz.back() == '0') belowKhz.pop_back();
    return text + belowKhz;
}

std::string FormatOffsetText(std::string_view storedOffset) {
    const int64_t hertz = std::min(LeadingValue(storedOffset), int64_t{99'999'999});
    const std::string digits = ZeroPadded(hertz, kOffsetDigits);
    const std::string megahertz = digits[0] == '0' ? digits.substr(1, 1) : digits.substr(0, 2);
    return megahertz + "." + digits.substr(2, 2);
}

std::optional<std::string> ParseFrequencyText(std::string_view typed, std::string_view model) {
    const size_t point = typed.find('.');
    if (point == std::string_view::npos) {
        if (typed.empty()) return std::string(kFrequencyDigits, '0');
        const int64_t megahertz = LeadingValue(typed);
        const int highest = ProfileOf(model, {}).HighestTypedMhz;
        if (megahertz > highest) return ZeroPadded(highest, 4) + "999999";
        return ZeroPadded(megahertz, 4) + "000000";
    }
    const std::string_view afterPoint = typed.substr(point + 1);
    if (afterPoint.find('.') != std::string_view::npos) return std::nullopt;
    // More than four MHz digits is far beyond any band; the fit clamps it to the upper edge.
    const int64_t megahertz = LeadingValue(typed.substr(0, point));
    if (megahertz > kLargestMhz) return std::to_string(kLargestTenDigits);
    std::string digits = ZeroPadded(megahertz, 4);
    digits += FractionDigits(afterPoint, kFrequencyFractionDigits);
    return PaddedRight(std::move(digits), kFrequencyDigits);
}

std::optional<std::string> ParseOffsetText(std::string_view typed) {
    const size_t point = typed.find('.');
    const std::string_view afterPoint =
        point == std::string_view::npos ? std::string_view() : typed.substr(point + 1);
    if (afterPoint.find('.') != std::string_view::npos) return std::nullopt;
    const int64_t megahertz = LeadingValue(typed.substr(0, point));
    if (megahertz > kLargestOffsetMhz) return ZeroPadded(kLargestOffset, kOffsetDigits);
    std::string digits = ZeroPadded(megahertz, 2);
    digits += FractionDigits(afterPoint, kOffsetFractionDigits);
    const int64_t hertz =
        std::min(LeadingValue(PaddedRight(std::move(digits), kOffsetDigits)), kLargestOffset);
    return ZeroPadded(hertz / kOffsetGrain * kOffsetGrain, kOffsetDigits);
}

TFitResult FitFrequency(std::string_view storedFrequency, std::string_view limits,
                        int stepListPosition, std::string_view model) {
    const TBand band = BandOf(limits);
    const int64_t hertz = std::clamp(LeadingValue(storedFrequency), band.Lowest, band.Highest);
    const int64_t step = StepHertz(StepIndexOfPosition(stepListPosition, model));
    TFitResult result;
    result.Frequency = ZeroPadded(SnappedToStep(hertz, step, band), kFrequencyDigits);
    // Also a stored text that was not ten clean digits counts as changed: it is rewritten.
    result.Changed = result.Frequency != storedFrequency;
    return result;
}

bool IsInsideLimits(std::string_view storedFrequency, std::string_view limits) {
    const TBand band = BandOf(limits);
    const int64_t hertz = LeadingValue(storedFrequency);
    return hertz >= band.Lowest && hertz <= band.Highest;
}

std::vector<std::string> StepListTexts(std::string_view model) {
    std::vector<std::string> texts;
    for (int position = 0; position < StepListSize(model); ++position) {
        texts.emplace_back(kSteps[static_cast<size_t>(StepIndexOfPosition(position, model))].Text);
    }
    return texts;
}

std::string StepTextOfCode(char code) {
    if (IsDigit(code)) return kSteps[static_cast<size_t>(code - '0')].Text;
    if (code == 'A') return kSteps[kTwoPointFiveStepIndex].Text;
    return {};
}

char StepCodeFromListPosition(int position, std::string_view model) {
    const int index = StepIndexOfPosition(position, model);
    return index < kDigitStepCount ? static_cast<char>('0' + index)
                                   : static_cast<char>('A' + index - kDigitStepCount);
}

int ListPositionFromStepCode(char code, std::string_view model, std::string_view marketCode) {
    if (const std::optional<int> position = PositionOfStepCode(code, model)) return *position;
    const char fallback = ProfileOf(model, marketCode).EditorDefaults.StepCode;
    return PositionOfStepCode(fallback, model).value_or(0);
}

int StepHertzOfListPosition(int position, std::string_view model) {
    return StepHertz(StepIndexOfPosition(position, model));
}

int StepHertz(int stepIndex) {
    if (stepIndex < 0 || stepIndex >= kStepCount) stepIndex = kFallbackStepIndex;
    return kSteps[static_cast<size_t>(stepIndex)].Hertz;
}

const std::array<const char*, kToneCount>& ToneList() {
    return kTones;
}

const std::array<const char*, kDcsCount>& DcsList() {
    return kDcsCodes;
}

int TonePositionOf(std::string_view storedIndex) {
    return ListPositionOf(storedIndex, "00", "41", kToneCount, kDefaultTonePosition);
}

int DcsPositionOf(std::string_view storedIndex) {
    return ListPositionOf(storedIndex, "000", "103", kDcsCount, kDefaultDcsPosition);
}

TFieldDefaults DefaultFieldValues(std::string_view model, std::string_view marketCode) {
    const TEditorDefaults defaults = ProfileOf(model, marketCode).EditorDefaults;
    return {defaults.Frequency, defaults.StepCode, defaults.Offset};
}

bool OffersMinus76Shift(std::string_view model, std::string_view marketCode) {
    return ProfileOf(model, marketCode).OffersMinus76Shift;
}
