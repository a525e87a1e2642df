#include <gtest/gtest.h>

#include <cerrno>

#include "core/ports/portoverview.h"
#include "core/ports/portscan.h"

namespace {

TEST(PortStateClassification, OpenErrorsLockAndTerminalDecideTheState) {
    struct TCase {
        TProbeResult Probe;
        TPortState Expected;
    };
    const TCase cases[] = {
        {{0, true, false}, TPortState::Available},
        {{0, true, true}, TPortState::Busy},
        {{EBUSY, true, false}, TPortState::Busy},
        {{EACCES, true, false}, TPortState::NotPermitted},
        {{EPERM, true, false}, TPortState::NotPermitted},
        {{ENOENT, true, false}, TPortState::Missing},
        {{ENXIO, true, false}, TPortState::Missing},
        {{ENODEV, true, false}, TPortState::Missing},
        {{0, false, false}, TPortState::NotSerial},
        {{EIO, true, false}, TPortState::Failed},
    };
    for (const TCase& entry : cases) {
        EXPECT_EQ(ClassifyProbe(entry.Probe), entry.Expected) << "errno " << entry.Probe.OpenError;
    }
}

TFoundDevice UsbAdapter(const std::string& path, TPortState state) {
    TFoundDevice device;
    device.Path = path;
    device.Name = path.substr(5);
    device.Facts = {"ftdi_sio", "0403", "6001", "FTDI", "FT232R USB UART", "A50285BI"};
    device.State = state;
    return device;
}

// Twenty entries on their default devices, none of which exists.
TPortScan DefaultScan() {
    TPortScan scan;
    for (int number = 1; number <= 20; ++number) {
        scan.Ports.push_back({number, {"/dev/ttyUSB" + std::to_string(number - 1)}, -1});
    }
    return scan;
}

TEST(PortOverviewWords, DescriptionsAndStates) {
    TFoundDevice device = UsbAdapter("/dev/ttyUSB0", TPortState::Available);
    EXPECT_EQ(DescriptionOf(device), "FTDI FT232R USB UART (0403:6001, ftdi_sio, serial A50285BI)");
    device.Facts.Product = "FTDI USB Serial";
    device.Facts.Serial.clear();
    EXPECT_EQ(DescriptionOf(device), "FTDI USB Serial (0403:6001, ftdi_sio)");
    device.Facts = {"cdc_acm", "1a86", "55d4", "", "", ""};
    EXPECT_EQ(DescriptionOf(device), "USB serial adapter (1a86:55d4, cdc_acm)");
    device.Facts = {};
    device.Name = "ttyS0";
    EXPECT_EQ(DescriptionOf(device), "on-board serial port");

    device.Holders = {{812, "ModemManager"}};
    EXPECT_EQ(StateTextOf(device), "available, but open in ModemManager (pid 812)");
    device.State = TPortState::Busy;
    device.Holders.push_back({1234, "tavrin-radiosim"});
    EXPECT_EQ(StateTextOf(device),
              "busy: held by ModemManager (pid 812), tavrin-radiosim (pid 1234)");
    device.Holders.clear();
    EXPECT_EQ(StateTextOf(device), "busy: held by another program");
    device.State = TPortState::NotPermitted;
    device.Access = {"dialout", true, false};
    EXPECT_EQ(StateTextOf(device), "not permitted (group dialout)");
    device.State = TPortState::Failed;
    device.Probe.OpenError = EIO;
    EXPECT_EQ(StateTextOf(device), "failed: Input/output error");
}

TEST(PortOverviewWords, PermissionFixFitsTheDevicesGroup) {
    EXPECT_EQ(PermissionFix({"dialout", true, false}),
              "join the group dialout: sudo usermod -aG dialout $USER, then log out and back in");
    EXPECT_EQ(PermissionFix({"dialout", true, true}),
              "you are in the group dialout, but this session started before you joined: log "
              "out and back in");
    const std::string udevRule = "a udev rule must give it to you (see the README)";
    EXPECT_EQ(PermissionFix({"root", true, false}), udevRule);
    EXPECT_EQ(PermissionFix({"dialout", false, false}), udevRule);
    EXPECT_EQ(PermissionFix({"", true, false}), udevRule);
}

TEST(PortOverviewRows, MissingDefaultEntriesShareARowBetweenTheOthers) {
    TPortScan scan = DefaultScan();
    scan.Devices.push_back(UsbAdapter("/dev/ttyUSB0", TPortState::Available));
    scan.Ports[0].Device = 0;
    scan.Ports[2].Mapping = {"/dev/pts/5", TPortSource::Environment};
    scan.Ports[3].Mapping = {"/dev/gone", TPortSource::Setting};
    const std::vector<TTextRow> rows = BuildOverview(scan).PortRows;
    const std::vector<TTextRow> expected{
        {"COM1", "/dev/ttyUSB0", "default", "available"},
        {"COM2", "/dev/ttyUSB1", "default", "missing"},
        {"COM3", "/dev/pts/5", "TAVRIN_COM3", "missing"},
        {"COM4", "/dev/gone", "setting", "missing"},
        {"COM5-COM20", "/dev/ttyUSB4 .. /dev/ttyUSB19", "default", "missing"},
    };
    EXPECT_EQ(rows, expected);
}

TEST(PortOverviewHints, SpoilersPermissionsAndAbsentCables) {
    TPortScan scan = DefaultScan();
    scan.Spoilers = {{640, "brltty"}, {812, "ModemManager"}};
    std::vector<std::string> hints = BuildOverview(scan).Hints;
    ASSERT_EQ(hints.size(), 3u);
    EXPECT_TRUE(hints[0].starts_with("brltty (pid 640) is running")) << hints[0];
    EXPECT_TRUE(hints[0].ends_with("sudo apt remove brltty"));
    EXPECT_TRUE(hints[1].starts_with("ModemManager (pid 812) is running")) << hints[1];
    EXPECT_TRUE(hints[2].starts_with("No USB serial device is present")) << hints[2];

    // brltty only spoils USB cables: with every port on a pseudo-terminal it is no matter.
    for (TPortEntry& entry : scan.Ports) entry.Mapping.Device = "/dev/pts/3";
    scan.Spoilers = {{640, "brltty"}};
    hints = BuildOverview(scan).Hints;
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_TRUE(hints[0].starts_with("No USB serial device")) << hints[0];
    // A port that works through such a device needs no cable.
    TFoundDevice terminal = UsbAdapter("/dev/pts/3", TPortState::Available);
    terminal.Facts = {};
    scan.Devices.push_back(terminal);
    scan.Ports[0].Device = 0;
    EXPECT_TRUE(BuildOverview(scan).Hints.empty());
    scan.Devices.clear();
    scan.Ports[0].Device = -1;

    scan.Spoilers.clear();
    for (const char* path : {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0"}) {
        scan.Devices.push_back(UsbAdapter(path, TPortState::NotPermitted));
        scan.Devices.back().Access = {"dialout", true, false};
    }
    scan.Devices.back().Access = {"root", false, false};
    hints = BuildOverview(scan).Hints;
    const std::vector<std::string> expected{
        "/dev/ttyUSB0, /dev/ttyUSB1 are not open to you: join the group dialout: sudo usermod "
        "-aG dialout $USER, then log out and back in.",
        "/dev/ttyS0 is not open to you: a udev rule must give it to you (see the README).",
    };
    EXPECT_EQ(hints, expected);
}

TEST(PortOverviewText, ColumnsLineUpAndTheByIdLinkSitsUnderTheDescription) {
    TPortScan scan = DefaultScan();
    scan.Devices.push_back(UsbAdapter("/dev/ttyUSB0", TPortState::Available));
    scan.Devices.back().ById = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    TFoundDevice pty;
    pty.Path = "/dev/pts/5";
    pty.State = TPortState::Busy;
    pty.Holders = {{1234, "tavrin-radiosim"}};
    scan.Devices.push_back(pty);
    scan.Ports[0].Device = 0;
    scan.Ports[1] = {2, {"/dev/pts/5", TPortSource::Environment}, 1};
    EXPECT_EQ(OverviewText(BuildOverview(scan)),
              "Port map:\n"
              "  COM1        /dev/ttyUSB0                   default      available\n"
              "  COM2        /dev/pts/5                     TAVRIN_COM2  busy: held by "
              "tavrin-radiosim (pid 1234)\n"
              "  COM3-COM20  /dev/ttyUSB2 .. /dev/ttyUSB19  default      missing\n"
              "\n"
              "Serial devices:\n"
              "  /dev/ttyUSB0  COM1  FTDI FT232R USB UART (0403:6001, ftdi_sio, serial A50285BI)"
              "  available\n"
              "                      by-id: usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n"
              "  /dev/pts/5    COM2  pseudo-terminal                                            "
              "  busy: held by tavrin-radiosim (pid 1234)\n");
}

}  // namespace
