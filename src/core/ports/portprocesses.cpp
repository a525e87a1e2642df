#include "core/ports/portprocesses.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <fstream>
#include <memory>

namespace {

using TDirectory = std::unique_ptr<DIR, int (*)(DIR*)>;

TDirectory OpenDirectory(const std::string& path) {
    return {opendir(path.c_str()), closedir};
}

bool IsNumber(const char* text) {
    if (*text == '\0') return false;
    for (; *text != '\0'; ++text) {
        if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    }
    return true;
}

std::string CommandOf(const std::string& processFolder) {
    std::ifstream file(processFolder + "/comm");
    std::string command;
    std::getline(file, command);
    return command;
}

// The device number behind descriptor link `link`, when it is a character device in /dev.
bool DeviceOfDescriptor(const std::string& link, dev_t& device) {
    char target[256];
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0) return false;
    target[length] = '\0';
    // Sockets, pipes and ordinary files are no devices; stat only what lies in /dev.
    if (std::string_view(target).substr(0, 5) != "/dev/") return false;
    struct stat status {};
    if (stat(link.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) return false;
    device = status.st_rdev;
    return true;
}

void RecordHeldDevices(const std::string& processFolder, const TProcessRef& process,
                       const std::set<dev_t>& devices, TProcessSurvey& survey) {
    const std::string fdFolder = processFolder + "/fd";
    const TDirectory descriptors = OpenDirectory(fdFolder);
    if (!descriptors) return;
    std::set<dev_t> held;
    while (const dirent* entry = readdir(descriptors.get())) {
        dev_t device = 0;
        if (!IsNumber(entry->d_name)) continue;
        if (!DeviceOfDescriptor(fdFolder + "/" + entry->d_name, device)) continue;
        if (devices.contains(device) && held.insert(device).second) {
            survey.Holders[device].push_back(process);
        }
    }
}

}  // namespace

TProcessSurvey SurveyProcesses(const std::string& procRoot, const std::set<dev_t>& devices,
                               const std::set<std::string>& watchedCommands) {
    TProcessSurvey survey;
    const TDirectory processes = OpenDirectory(procRoot);
    if (!processes) return survey;
    while (const dirent* entry = readdir(processes.get())) {
        if (!IsNumber(entry->d_name)) continue;
        const std::string folder = procRoot + "/" + entry->d_name;
        const TProcessRef process{std::atoi(entry->d_name), CommandOf(folder)};
        if (watchedCommands.contains(process.Command)) survey.Watched.push_back(process);
        if (!devices.empty()) RecordHeldDevices(folder, process, devices, survey);
    }
    return survey;
}
