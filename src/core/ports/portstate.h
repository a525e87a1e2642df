#pragma once

#include <string>

// What a device offers this program right now.
enum class TPortState {
    Available,     // opens for reading and writing, and nobody holds its lock
    Busy,          // another program holds it
    NotPermitted,  // the user may not open it
    Missing,       // there is no such device
    NotSerial,     // it opens, but is no terminal device
    Failed,        // any other refusal
};

// How one trial open of a device went; no device is needed to judge it.
struct TProbeResult {
    int OpenError = 0;         // errno of the open, 0 when it opened
    bool Terminal = true;      // the device answered a terminal settings query
    bool LockRefused = false;  // someone else holds the device's advisory lock
};

TPortState ClassifyProbe(const TProbeResult& probe);

// Opens `path` as the serial component would (read/write, no controlling
// terminal, non-blocking), tries the exclusive lock and lets go at once. The
// line settings are left as they are.
TProbeResult ProbeDevice(const std::string& path);

// The state in a word or two: "available", "busy", "not permitted", ...
std::string StateWord(TPortState state);
