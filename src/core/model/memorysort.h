#pragma once

class TRadioData;

enum class TMemorySortKey { Frequency, Name };

// Packs the used memory channels 0..N to the top in their order, orders them by
// the key, gives them the labels of their new positions and marks the data as
// changed. The scan limit, PR and AL records take no part.
void SortMemoryChannels(TRadioData& data, TMemorySortKey key);
