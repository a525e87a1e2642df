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

// The number 1..20 of a port name in either spelling, or 0 for a device path.
int PortNumberOfName(const std::string& name);
