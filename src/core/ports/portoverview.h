#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

#include "core/ports/portscan.h"

using TTextRow = std::vector<std::string>;

// The facts of a scan as the user reads them, shared by the command line and
// the window, so both always say the same.
struct TPortOverview {
    // Port, Device, From, State. Neighbouring entries that keep their missing
    // default device share one row ("COM4-COM20").
    std::vector<TTextRow> PortRows;
    // Device, Port, Description, State, By-id.
    std::vector<TTextRow> DeviceRows;
    // What to do about what the scan found, one sentence each.
    std::vector<std::string> Hints;
};

inline const TTextRow kPortColumns{
    QT_TRANSLATE_NOOP("Ports", "Port"), QT_TRANSLATE_NOOP("Ports", "Device"),
    QT_TRANSLATE_NOOP("Ports", "From"), QT_TRANSLATE_NOOP("Ports", "State")};
inline const TTextRow kDeviceColumns{
    QT_TRANSLATE_NOOP("Ports", "Device"), QT_TRANSLATE_NOOP("Ports", "Port"),
    QT_TRANSLATE_NOOP("Ports", "Description"), QT_TRANSLATE_NOOP("Ports", "State"),
    QT_TRANSLATE_NOOP("Ports", "By-id")};

TPortOverview BuildOverview(const TPortScan& scan);

// The overview as plain text: the two tables with their columns lined up, then the hints.
std::string OverviewText(const TPortOverview& overview);

// Single facts, as the overview words them.
std::string DescriptionOf(const TFoundDevice& device);
std::string StateTextOf(const TFoundDevice& device);
std::string PermissionFix(const TGroupAccess& access);
