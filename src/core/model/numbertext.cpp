#include "core/model/numbertext.h"

int LeadingNumber(std::string_view text) {
    constexpr int kLargest = 999'999'999;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = value > (kLargest - (c - '0')) / 10 ? kLargest : value * 10 + (c - '0');
    }
    return value;
}
