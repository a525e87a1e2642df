#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

// The simulator's log: one line per event, stamped with the seconds since start.
class TSimLog {
public:
    TSimLog() = default;
    ~TSimLog();
    TSimLog(const TSimLog&) = delete;
    TSimLog& operator=(const TSimLog&) = delete;

    // Writes to a file (appending), to standard error, or nowhere (the default).
    bool OpenFile(const std::string& path);
    void UseStandardError() { Out = stderr; }

    void Write(std::string_view text);

private:
    std::FILE* Out = nullptr;
    bool OwnsFile = false;
    std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
};

// A line's text as the log shows it: control and other bytes as \xNN.
std::string Printable(std::string_view text);
