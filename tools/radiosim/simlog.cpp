#include "radiosim/simlog.h"

TSimLog::~TSimLog() {
    if (OwnsFile) std::fclose(Out);
}

bool TSimLog::OpenFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) return false;
    std::setvbuf(file, nullptr, _IOLBF, 0);
    Out = file;
    OwnsFile = true;
    return true;
}

void TSimLog::Write(std::string_view text) {
    if (Out == nullptr) return;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - Start;
    std::fprintf(Out, "%10.3f %.*s\n", elapsed.count(), static_cast<int>(text.size()), text.data());
}

std::string Printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code < 0x7F && c != '\\') {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
            shown += escaped;
        }
    }
    return shown;
}
