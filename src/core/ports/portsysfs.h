#pragma once

#include <string>

// What the kernel tells of one terminal device through sysfs. The USB fields
// are empty for devices that do not sit on USB.
struct TDeviceFacts {
    std::string Driver;        // "ftdi_sio", "cdc_acm", ...
    std::string VendorId;      // "0403"
    std::string ProductId;     // "6001"
    std::string Manufacturer;  // "FTDI"
    std::string Product;       // "FT232R USB UART"
    std::string Serial;        // "A50285BI"
};

// Reads the facts of tty `name` (such as "ttyUSB0") under `ttyClassRoot`,
// normally /sys/class/tty; what cannot be read stays empty.
TDeviceFacts ReadDeviceFacts(const std::string& ttyClassRoot, const std::string& name);

// Whether on-board port `name` ("ttyS0") has hardware behind it: the kernel
// makes ttyS nodes for ports that may not exist, and reports those as having
// no device or the port type "unknown" (0).
bool HasSerialHardware(const std::string& ttyClassRoot, const std::string& name);
