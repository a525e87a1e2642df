#include "core/ports/portscan.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <set>

#include "core/ports/portnames.h"

namespace {

const std::set<std::string> kSpoilerCommands{"brltty", "ModemManager"};

// The file a path finally comes to, or nothing when it does not exist.
std::string RealPathOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString();
}

bool IsSerialName(const std::string& ttyClass, const QString& name) {
    if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"))) {
        return true;
    }
    return name.startsWith(QLatin1String("ttyS")) &&
           HasSerialHardware(ttyClass, name.toStdString());
}

// Kind first (USB, ACM, on-board), then by number, so ttyUSB2 comes before ttyUSB10.
bool ComesBefore(const QString& left, const QString& right) {
    const auto split = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name[digits - 1].isDigit()) --digits;
        const QString kind = name.left(digits);
        const int rank = kind == QLatin1String("ttyUSB")   ? 0
                         : kind == QLatin1String("ttyACM") ? 1
                                                           : 2;
        return std::tuple(rank, kind, name.mid(digits).toInt());
    };
    return split(left) < split(right);
}

QStringList SerialNamesIn(const TScanRoots& roots) {
    const QDir dev(QString::fromStdString(roots.Dev));
    QStringList names;
    for (const QString& name :
         dev.entryList({"ttyUSB*", "ttyACM*", "ttyS*"}, QDir::System | QDir::Files)) {
        if (IsSerialName(roots.TtyClass, name)) names.append(name);
    }
    std::sort(names.begin(), names.end(), ComesBefore);
    return names;
}

std::string ByIdNameOf(const std::string& realPath, const TScanRoots& roots) {
    const QDir byId(QString::fromStdString(roots.ById));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath().toStdString() == realPath)
            return link.fileName().toStdString();
    }
    return {};
}

bool UserListedIn(const group& entry) {
    const passwd* user = getpwuid(getuid());
    if (user == nullptr) return false;
    if (user->pw_gid == entry.gr_gid) return true;
    for (char** member = entry.gr_mem; member != nullptr && *member != nullptr; ++member) {
        if (std::string_view(*member) == user->pw_name) return true;
    }
    return false;
}

TGroupAccess AccessOf(const std::string& path) {
    TGroupAccess access;
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return access;
    access.GroupWritable = (status.st_mode & S_IWGRP) != 0;
    if (const group* entry = getgrgid(status.st_gid)) {
        access.Group = entry->gr_name;
        access.UserListed = UserListedIn(*entry);
    }
    return access;
}

TFoundDevice ExamineDevice(const std::string& path, const std::string& name,
                           const TScanRoots& roots) {
    TFoundDevice device;
    device.Path = path;
    device.Name = name;
    device.Facts = ReadDeviceFacts(roots.TtyClass, name);
    device.ById = ByIdNameOf(RealPathOf(path), roots);
    device.Probe = ProbeDevice(path);
    device.State = ClassifyProbe(device.Probe);
    if (device.State == TPortState::NotPermitted) device.Access = AccessOf(path);
    return device;
}

int FindDevice(const std::vector<TFoundDevice>& devices, const std::string& realPath) {
    for (size_t index = 0; index < devices.size(); ++index) {
        if (RealPathOf(devices[index].Path) == realPath) return static_cast<int>(index);
    }
    return -1;
}

// The entry's device: one already found, one added for it, or -1 when it does not exist.
int DeviceOfEntry(const TPortMapping& mapping, const TScanRoots& roots,
                  std::vector<TFoundDevice>& devices) {
    const std::string realPath = RealPathOf(mapping.Device);
    if (realPath.empty()) return -1;
    const int found = FindDevice(devices, realPath);
    if (found >= 0) return found;
    const std::string name = QFileInfo(QString::fromStdString(realPath)).fileName().toStdString();
    devices.push_back(ExamineDevice(mapping.Device, name, roots));
    return static_cast<int>(devices.size()) - 1;
}

void AddHolders(const std::string& procRoot, TPortScan& scan) {
    std::map<size_t, dev_t> numbers;
    std::set<dev_t> wanted;
    for (size_t index = 0; index < scan.Devices.size(); ++index) {
        struct stat status {};
        if (stat(scan.Devices[index].Path.c_str(), &status) != 0 || !S_ISCHR(status.st_mode))
            continue;
        numbers[index] = status.st_rdev;
        wanted.insert(status.st_rdev);
    }
    TProcessSurvey survey = SurveyProcesses(procRoot, wanted, kSpoilerCommands);
    for (const auto& [index, number] : numbers)
        scan.Devices[index].Holders = survey.Holders[number];
    scan.Spoilers = std::move(survey.Watched);
}

}  // namespace

std::string ByIdNameOfDevice(const std::string& device, const TScanRoots& roots) {
    const std::string realPath = RealPathOf(device);
    return realPath.empty() ? std::string() : ByIdNameOf(realPath, roots);
}

std::vector<TPortMapping> CurrentPortMap() {
    std::vector<TPortMapping> map;
    for (int number = 1; number <= kPortCount; ++number) map.push_back(MapPortNumber(number));
    return map;
}

TPortScan ScanPorts(const std::vector<TPortMapping>& portMap, const TScanRoots& roots) {
    TPortScan scan;
    for (const QString& name : SerialNamesIn(roots)) {
        const std::string path = roots.Dev + "/" + name.toStdString();
        scan.Devices.push_back(ExamineDevice(path, name.toStdString(), roots));
    }
    for (size_t index = 0; index < portMap.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        scan.Ports.push_back(
            {number, portMap[index], DeviceOfEntry(portMap[index], roots, scan.Devices)});
    }
    // The trial opens are over, so none of this program's own descriptors count.
    AddHolders(roots.Proc, scan);
    return scan;
}
