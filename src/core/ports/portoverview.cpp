#include "core/ports/portoverview.h"

#include <QtGlobal>

#include "core/model/messagewords.h"
#include "core/model/visiblebytes.h"

#include <algorithm>
#include <cstring>

#include "core/ports/portnames.h"

namespace {

constexpr char kIndent[] = "  ";
constexpr char kGap[] = "  ";
constexpr char kNone[] = "-";

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

std::string ProcessesText(const std::vector<TProcessRef>& processes) {
    std::vector<std::string> names;
    for (const TProcessRef& process : processes) {
        names.push_back(process.Command + " (pid " + std::to_string(process.Pid) + ")");
    }
    return Joined(names, ", ");
}

std::string UsbDescription(const TDeviceFacts& facts) {
    std::string name = facts.Product;
    // Many products repeat the maker's name; say it once.
    if (!facts.Manufacturer.empty() && !name.starts_with(facts.Manufacturer)) {
        name = Joined({facts.Manufacturer, name}, " ");
    }
    if (name.empty()) name = MessageText(QT_TRANSLATE_NOOP("Messages", "USB serial adapter"));
    const std::string ids = facts.VendorId + ":" + facts.ProductId;
    const std::string serial =
        facts.Serial.empty()
            ? std::string()
            : MessageText(QT_TRANSLATE_NOOP("Messages", "serial %1"), {facts.Serial});
    return name + " (" + Joined({ids, facts.Driver, serial}, ", ") + ")";
}

bool IsDefaultAndMissing(const TPortEntry& entry) {
    return entry.Device < 0 && entry.Mapping.Source == TPortSource::Default;
}

std::string EntryState(const TPortScan& scan, const TPortEntry& entry) {
    if (entry.Device < 0) return StateWord(TPortState::Missing);
    return StateTextOf(scan.Devices[static_cast<size_t>(entry.Device)]);
}

TTextRow EntryRow(const TPortScan& scan, const TPortEntry& entry) {
    return {PortText(entry.Number).toStdString(), entry.Mapping.Device,
            PortSourceText(entry.Number, entry.Mapping.Source), EntryState(scan, entry)};
}

TTextRow MissingRunRow(const TPortEntry& first, const TPortEntry& last) {
    return {PortText(first.Number).toStdString() + "-" + PortText(last.Number).toStdString(),
            first.Mapping.Device + " .. " + last.Mapping.Device,
            PortSourceText(first.Number, first.Mapping.Source), StateWord(TPortState::Missing)};
}

std::vector<TTextRow> PortRowsOf(const TPortScan& scan) {
    std::vector<TTextRow> rows;
    const std::vector<TPortEntry>& ports = scan.Ports;
    for (size_t first = 0; first < ports.size();) {
        size_t end = first + 1;
        if (IsDefaultAndMissing(ports[first])) {
            while (end < ports.size() && IsDefaultAndMissing(ports[end])) ++end;
        }
        rows.push_back(end - first > 1 ? MissingRunRow(ports[first], ports[end - 1])
                                       : EntryRow(scan, ports[first]));
        first = end;
    }
    return rows;
}

std::string PortsOfDevice(const TPortScan& scan, size_t device) {
    std::vector<std::string> ports;
    for (const TPortEntry& entry : scan.Ports) {
        if (entry.Device == static_cast<int>(device))
            ports.push_back(PortText(entry.Number).toStdString());
    }
    return ports.empty() ? kNone : Joined(ports, ", ");
}

std::vector<TTextRow> DeviceRowsOf(const TPortScan& scan) {
    std::vector<TTextRow> rows;
    for (size_t index = 0; index < scan.Devices.size(); ++index) {
        const TFoundDevice& device = scan.Devices[index];
        rows.push_back({device.Path, PortsOfDevice(scan, index), DescriptionOf(device),
                        StateTextOf(device), device.ById});
    }
    return rows;
}

bool IsUsbSerialPath(const std::string& path) {
    return path.starts_with("/dev/ttyUSB") || path.starts_with("/dev/ttyACM") ||
           path.starts_with("/dev/serial/");
}

bool IsUsbSerial(const TFoundDevice& device) {
    return device.Name.starts_with("ttyUSB") || device.Name.starts_with("ttyACM");
}

bool UsbSerialFound(const TPortScan& scan) {
    return std::any_of(scan.Devices.begin(), scan.Devices.end(), IsUsbSerial);
}

bool UsbSerialExpected(const TPortScan& scan) {
    return UsbSerialFound(scan) ||
           std::any_of(scan.Ports.begin(), scan.Ports.end(), [](const TPortEntry& entry) {
               return IsUsbSerialPath(entry.Mapping.Device);
           });
}

std::vector<TProcessRef> SpoilersNamed(const TPortScan& scan, const std::string& command) {
    std::vector<TProcessRef> found;
    for (const TProcessRef& process : scan.Spoilers) {
        if (process.Command == command) found.push_back(process);
    }
    return found;
}

// One hint for each fix, naming every device it applies to.
void AddPermissionHints(const TPortScan& scan, std::vector<std::string>& hints) {
    std::vector<std::pair<std::string, std::vector<std::string>>> devicesByFix;
    for (const TFoundDevice& device : scan.Devices) {
        if (device.State != TPortState::NotPermitted) continue;
        const std::string fix = PermissionFix(device.Access);
        auto same = std::find_if(devicesByFix.begin(), devicesByFix.end(),
                                 [&](const auto& entry) { return entry.first == fix; });
        if (same == devicesByFix.end()) same = devicesByFix.insert(devicesByFix.end(), {fix, {}});
        same->second.push_back(device.Path);
    }
    for (const auto& [fix, paths] : devicesByFix) {
        hints.push_back(MessageText(
            paths.size() == 1 ? QT_TRANSLATE_NOOP("Messages", "%1 is not open to you: %2.")
                              : QT_TRANSLATE_NOOP("Messages", "%1 are not open to you: %2."),
            {Joined(paths, ", "), fix}));
    }
}

void AddSpoilerHints(const TPortScan& scan, std::vector<std::string>& hints) {
    const std::vector<TProcessRef> brltty = SpoilersNamed(scan, "brltty");
    if (!brltty.empty() && UsbSerialExpected(scan)) {
        hints.push_back(MessageText(
            QT_TRANSLATE_NOOP("Messages",
                              "%1 is running: it claims many USB serial cables as braille "
                              "displays, and the cable's device vanishes. Unless you use a braille "
                              "display, remove it: sudo apt remove brltty"),
            {ProcessesText(brltty)}));
    }
    const std::vector<TProcessRef> modemManager = SpoilersNamed(scan, "ModemManager");
    if (!modemManager.empty()) {
        hints.push_back(MessageText(
            QT_TRANSLATE_NOOP("Messages",
                              "%1 is running: it probes new serial devices for a modem and can "
                              "hold or disturb the cable. Install the udev rule from the README "
                              "that tells it to ignore the cable, or stop it: sudo systemctl "
                              "disable --now ModemManager"),
            {ProcessesText(modemManager)}));
    }
}

std::vector<std::string> HintsOf(const TPortScan& scan) {
    std::vector<std::string> hints;
    AddPermissionHints(scan, hints);
    AddSpoilerHints(scan, hints);
    // A port that works through another device (a pseudo-terminal, a built-in port)
    // needs no cable hint.
    const bool anyPortWorks =
        std::any_of(scan.Ports.begin(), scan.Ports.end(), [&scan](const TPortEntry& entry) {
            return entry.Device >= 0 && static_cast<size_t>(entry.Device) < scan.Devices.size() &&
                   scan.Devices[static_cast<size_t>(entry.Device)].State == TPortState::Available;
        });
    if (!UsbSerialFound(scan) && !anyPortWorks) {
        hints.push_back(MessageText(
            QT_TRANSLATE_NOOP("Messages",
                              "No USB serial device is present: plug the cable in. If none "
                              "appears, see what the kernel says of it: sudo dmesg | tail")));
    }
    return hints;
}

std::vector<size_t> ColumnWidths(const std::vector<TTextRow>& rows, size_t columns) {
    std::vector<size_t> widths(columns, 0);
    for (const TTextRow& row : rows) {
        for (size_t column = 0; column < columns && column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    return widths;
}

// The first `columns` cells lined up; the last of them is not padded.
std::string AlignedLine(const TTextRow& row, const std::vector<size_t>& widths) {
    std::string line = kIndent;
    for (size_t column = 0; column < widths.size(); ++column) {
        const std::string& cell = row[column];
        line += cell;
        if (column + 1 < widths.size())
            line += std::string(widths[column] - cell.size(), ' ') + kGap;
    }
    return line + "\n";
}

std::string PortMapText(const std::vector<TTextRow>& rows) {
    std::string text = "Port map:\n";
    const std::vector<size_t> widths = ColumnWidths(rows, kPortColumns.size());
    for (const TTextRow& row : rows) text += AlignedLine(row, widths);
    return text;
}

// The by-id link goes on a line of its own under the description.
std::string DevicesText(const std::vector<TTextRow>& rows) {
    std::string text = "Serial devices:\n";
    if (rows.empty()) return text + kIndent + "none found\n";
    const std::vector<size_t> widths = ColumnWidths(rows, kDeviceColumns.size() - 1);
    const size_t descriptionColumn =
        std::strlen(kIndent) + widths[0] + widths[1] + 2 * std::strlen(kGap);
    for (const TTextRow& row : rows) {
        text += AlignedLine(row, widths);
        if (!row[4].empty())
            text += std::string(descriptionColumn, ' ') + "by-id: " + row[4] + "\n";
    }
    return text;
}

std::string HintsText(const std::vector<std::string>& hints) {
    if (hints.empty()) return {};
    std::string text = "\nHints:\n";
    for (const std::string& hint : hints) text += std::string(kIndent) + "- " + hint + "\n";
    return text;
}

// Device names, what sysfs says of a device, by-id links and process names
// come from outside the program and may hold control characters; they are
// shown, not obeyed, in a terminal and in the window alike.
void MakeVisible(std::vector<std::string>& texts) {
    for (std::string& text : texts) text = VisibleText(QString::fromStdString(text)).toStdString();
}

}  // namespace

std::string DescriptionOf(const TFoundDevice& device) {
    if (!device.Facts.VendorId.empty()) return UsbDescription(device.Facts);
    if (device.Name.starts_with("ttyS")) {
        return MessageText(QT_TRANSLATE_NOOP("Messages", "on-board serial port"));
    }
    if (device.Path.starts_with("/dev/pts/")) {
        return MessageText(QT_TRANSLATE_NOOP("Messages", "pseudo-terminal"));
    }
    return {};
}

std::string StateTextOf(const TFoundDevice& device) {
    const std::string holders = ProcessesText(device.Holders);
    switch (device.State) {
        case TPortState::Available:
            return holders.empty()
                       ? StateWord(device.State)
                       : MessageText(QT_TRANSLATE_NOOP("Messages", "available, but open in %1"),
                                     {holders});
        case TPortState::Busy:
            return MessageText(
                QT_TRANSLATE_NOOP("Messages", "busy: held by %1"),
                {holders.empty() ? MessageText(QT_TRANSLATE_NOOP("Messages", "another program"))
                                 : holders});
        case TPortState::NotPermitted:
            return device.Access.Group.empty()
                       ? StateWord(device.State)
                       : MessageText(QT_TRANSLATE_NOOP("Messages", "not permitted (group %1)"),
                                     {device.Access.Group});
        case TPortState::Failed:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "failed: %1"),
                               {std::strerror(device.Probe.OpenError)});
        default:
            return StateWord(device.State);
    }
}

std::string PermissionFix(const TGroupAccess& access) {
    if (access.Group.empty() || access.Group == "root" || !access.GroupWritable) {
        return MessageText(
            QT_TRANSLATE_NOOP("Messages", "a udev rule must give it to you (see the README)"));
    }
    if (access.UserListed) {
        return MessageText(QT_TRANSLATE_NOOP("Messages",
                                             "you are in the group %1, but this session started "
                                             "before you joined: log out and back in"),
                           {access.Group});
    }
    return MessageText(QT_TRANSLATE_NOOP("Messages",
                                         "join the group %1: sudo usermod -aG %1 $USER, then log "
                                         "out and back in"),
                       {access.Group});
}

TPortOverview BuildOverview(const TPortScan& scan) {
    TPortOverview overview{PortRowsOf(scan), DeviceRowsOf(scan), HintsOf(scan)};
    for (std::vector<TTextRow>* rows : {&overview.PortRows, &overview.DeviceRows}) {
        for (TTextRow& row : *rows) MakeVisible(row);
    }
    MakeVisible(overview.Hints);
    return overview;
}

std::string OverviewText(const TPortOverview& overview) {
    return PortMapText(overview.PortRows) + "\n" + DevicesText(overview.DeviceRows) +
           HintsText(overview.Hints);
}
