#pragma once

#include <string>

// Port names "COM1" .. "COM20" and "\\.\COM1" .. "\\.\COM20" name twenty
// ports. On Windows they are the device names themselves; elsewhere each
// maps to a device path: the settings value "Ports/COMn" when the user has
// set one, else the environment variable TAVRIN_COMn (so a session can point
// a port at the transceiver simulator), else /dev/ttyUSB(n-1), which makes a
// single USB serial cable work as COM1 without any set-up. Anything else is
// taken as a device path as it stands.
std::string ResolvePortName(const std::string& name);

// Where the device of a port came from.
enum class TPortSource { Setting, Environment, Default };

// The device port `number` (1..20) stands for on this system, and why.
struct TPortMapping {
    std::string Device;
    TPortSource Source = TPortSource::Default;
};
TPortMapping MapPortNumber(int number);

// What the user sees for a source: "setting", "TAVRIN_COM2" or "default".
std::string PortSourceText(int number, TPortSource source);

// The number 1..20 of a port name in either spelling, or 0 for a device path.
int PortNumberOfName(const std::string& name);
