#include "core/model/messagewords.h"

#include <vector>

namespace {

TMessageWords& Words() {
    static TMessageWords words;
    return words;
}

}  // namespace

void SetMessageWords(TMessageWords words) {
    Words() = std::move(words);
}

std::string MessageText(const char* pattern, std::initializer_list<std::string> values) {
    const std::string words = Words() ? Words()(pattern) : std::string(pattern);
    const std::vector<std::string> filling(values);
    std::string text;
    for (size_t at = 0; at < words.size(); ++at) {
        const size_t number = at + 1 < words.size() && words[at] == '%' ? words[at + 1] - '1' : 9;
        if (number < filling.size()) {
            text += filling[number];
            ++at;
        } else {
            text += words[at];
        }
    }
    return text;
}
