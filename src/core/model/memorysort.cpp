#include "core/model/memorysort.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/model/channelrecord.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"

namespace {

std::string FrequencyOf(const TRadioData& data, int channel) {
    return RecordField(data.GetChannel(channel), kRxFreqField);
}

std::string NameOf(const TRadioData& data, int channel) {
    return RecordField(data.GetChannel(channel), kNameField);
}

void SwapChannels(TRadioData& data, int first, int second) {
    const std::string kept = data.GetChannel(first);
    data.SetChannel(first, data.GetChannel(second));
    data.SetChannel(second, kept);
}

// Fills each gap with the next used channel below it.
void PackChannels(TRadioData& data, int last) {
    for (int gap = 0; gap <= last; ++gap) {
        if (FrequencyOf(data, gap).size() >= 2) continue;
        for (int next = gap + 1; next <= last; ++next) {
            if (FrequencyOf(data, next).empty()) continue;
            data.SetChannel(gap, data.GetChannel(next));
            data.SetChannel(next, "");
            break;
        }
    }
}

// The channels from 0 up to the first empty one.
int UsedCount(const TRadioData& data, int last) {
    int count = 0;
    while (count <= last && !FrequencyOf(data, count).empty()) ++count;
    return count;
}

// Equal frequencies keep their order; the texts are ten digits, so text order is numeric.
void SortByFrequency(TRadioData& data, int used) {
    std::vector<std::string> records;
    for (int channel = 0; channel < used; ++channel) records.push_back(data.GetChannel(channel));
    std::stable_sort(records.begin(), records.end(),
                     [](const std::string& a, const std::string& b) {
                         return RecordField(a, kRxFreqField) < RecordField(b, kRxFreqField);
                     });
    for (int channel = 0; channel < used; ++channel) {
        data.SetChannel(channel, records[static_cast<size_t>(channel)]);
    }
}

// Whether the channel at `candidate` belongs before the one at `position`: named
// channels by name first, then the unnamed ones by frequency.
bool ComesBefore(const TRadioData& data, int candidate, int position) {
    const std::string name = NameOf(data, position);
    const std::string candidateName = NameOf(data, candidate);
    if (!candidateName.empty()) return name.empty() || name > candidateName;
    const std::string frequency = FrequencyOf(data, candidate);
    return name.empty() && !frequency.empty() && FrequencyOf(data, position) > frequency;
}

void SortByName(TRadioData& data, int last) {
    for (int position = 0; position <= last && !FrequencyOf(data, position).empty(); ++position) {
        for (int candidate = position + 1; candidate <= last; ++candidate) {
            if (ComesBefore(data, candidate, position)) SwapChannels(data, position, candidate);
        }
    }
}

void Renumber(TRadioData& data, int used) {
    const int digits = ProfileOf(data).Labels.Digits;
    for (int channel = 0; channel < used; ++channel) {
        const std::string& record = data.GetChannel(channel);
        const size_t comma = record.find(',');
        char label[8];
        std::snprintf(label, sizeof label, "%0*d", digits, channel);
        data.SetChannel(
            channel, label + (comma == std::string::npos ? std::string() : record.substr(comma)));
    }
}

}  // namespace

void SortMemoryChannels(TRadioData& data, TMemorySortKey key) {
    const int last = std::min(data.ChannelCount(), TRadioData::kFirstSpecialRecord - 1);
    PackChannels(data, last);
    if (key == TMemorySortKey::Frequency) {
        SortByFrequency(data, UsedCount(data, last));
    } else {
        SortByName(data, last);
    }
    Renumber(data, UsedCount(data, last));
    data.Changed = true;
}
