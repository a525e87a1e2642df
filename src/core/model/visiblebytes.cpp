#include "core/model/visiblebytes.h"

#include <cstdio>

namespace {

std::string ControlName(unsigned char byte) {
    switch (byte) {
        case '\r':
            return "<CR>";
        case '\n':
            return "<LF>";
        case '\t':
            return "<TAB>";
        case 0x11:
            return "<XON>";
        case 0x13:
            return "<XOFF>";
        default:
            break;
    }
    char name[8];
    std::snprintf(name, sizeof name, "<0x%02X>", byte);
    return name;
}

}  // namespace

std::string VisibleBytes(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool printable = byte >= 0x20 && byte < 0x7F;
        text += printable ? std::string(1, c) : ControlName(byte);
    }
    return text;
}
