#pragma once

#include <sys/types.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// A running program: its process id and command name.
struct TProcessRef {
    int Pid = 0;
    std::string Command;
};

// What the process table tells about the devices of interest.
struct TProcessSurvey {
    std::map<dev_t, std::vector<TProcessRef>> Holders;  // by device number
    std::vector<TProcessRef> Watched;  // running programs with one of the watched names
};

// Looks through `procRoot` (normally /proc) once: which processes hold one of
// `devices` open, and which run under one of `watchedCommands`. Processes of
// other users whose descriptors may not be read are left out of the holders.
TProcessSurvey SurveyProcesses(const std::string& procRoot, const std::set<dev_t>& devices,
                               const std::set<std::string>& watchedCommands);
