#pragma once

#include <string>
#include <vector>

#include "core/ports/portmap.h"
#include "core/ports/portprocesses.h"
#include "core/ports/portstate.h"
#include "core/ports/portsysfs.h"

// Where a scan looks; tests point these at a tree of their own.
struct TScanRoots {
    std::string Dev = "/dev";
    std::string TtyClass = "/sys/class/tty";
    std::string ById = "/dev/serial/by-id";
    std::string Proc = "/proc";
};

// Who may open a device: its owning group and whether the group may write.
struct TGroupAccess {
    std::string Group;  // empty when the group has no name
    bool GroupWritable = false;
    bool UserListed = false;  // the user is in the group, though not in this session
};

// One serial device present on the system.
struct TFoundDevice {
    std::string Path;  // as found in /dev, or as a port entry names it
    std::string Name;  // the kernel's name, such as "ttyUSB0"
    std::string ById;  // the name of a /dev/serial/by-id link to it, if any
    TDeviceFacts Facts;
    TProbeResult Probe;
    TPortState State = TPortState::Missing;
    std::vector<TProcessRef> Holders;  // processes that have it open
    TGroupAccess Access;               // filled in for devices not permitted
};

// One of the twenty port entries and the device it comes to.
struct TPortEntry {
    int Number = 0;
    TPortMapping Mapping;
    int Device = -1;  // index into TPortScan::Devices; -1 when the device is missing
};

struct TPortScan {
    std::vector<TPortEntry> Ports;
    std::vector<TFoundDevice> Devices;
    std::vector<TProcessRef> Spoilers;  // brltty and ModemManager, when running
};

// The name of the /dev/serial/by-id link to `device` (any path that comes to
// it), which stays the same whichever socket the cable is in; empty when
// there is none or the device does not exist.
std::string ByIdNameOfDevice(const std::string& device, const TScanRoots& roots = {});

// The port map as the program reads it now: entries COM1..COM20.
std::vector<TPortMapping> CurrentPortMap();

// Finds the serial devices and the state of each, and what the entries of
// `portMap` (COM1 first) come to.
TPortScan ScanPorts(const std::vector<TPortMapping>& portMap, const TScanRoots& roots = {});
