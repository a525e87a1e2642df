#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "core/ports/portscan.h"
#include "core/radio/kcomm.h"
#include "support/pseudoterminal.h"

namespace {

// A system of its own in a temporary folder: a /dev whose serial devices are
// links to real pseudo-terminals, a sysfs with two USB adapters and two
// on-board ports, a by-id link, and a process table with brltty holding a cable.
class PortScanTree : public ::testing::Test {
protected:
    PortScanTree() {
        Roots = {Path("dev"), Path("sys/class/tty"), Path("dev/serial/by-id"), Path("proc")};
        Link("dev/ttyUSB0", Ftdi.Path());
        Link("dev/ttyACM0", Acm.Path());
        Link("dev/ttyS0", OnBoard.Path());
        Link("dev/ttyS1", Phantom.Path());
        Link("dev/tty5", Other.Path());
        Link("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "../../ttyUSB0");
        UsbDevice("sys/devices/usb1/1-1", {"0403", "6001", "FTDI", "FT232R USB UART", "A50285BI"});
        PortDevice("ttyUSB0", "usb1/1-1/1-1:1.0/ttyUSB0", "usb-serial/drivers/ftdi_sio");
        UsbDevice("sys/devices/usb1/1-2", {"1a86", "55d4", "", "", ""});
        PortDevice("ttyACM0", "usb1/1-2/1-2:1.0", "usb/drivers/cdc_acm");
        PortDevice("ttyS0", "pnp0/00:01", "serial-base/drivers/port");
        Write("sys/class/tty/ttyS0/type", "4\n");
        PortDevice("ttyS1", "platform/serial8250", "serial-base/drivers/port");
        Write("sys/class/tty/ttyS1/type", "0\n");
        Process(640, "brltty", Ftdi.Path());
        Process(812, "ModemManager", "/dev/null");
        Process(900, "bash", "/dev/pts/nowhere");
    }

    std::string Path(const std::string& relative) const {
        return Root.filePath(QString::fromStdString(relative)).toStdString();
    }
    void Link(const std::string& relative, const std::string& target) {
        QDir().mkpath(QFileInfo(QString::fromStdString(Path(relative))).path());
        ASSERT_EQ(symlink(target.c_str(), Path(relative).c_str()), 0) << relative;
    }
    void Write(const std::string& relative, const std::string& text) {
        QDir().mkpath(QFileInfo(QString::fromStdString(Path(relative))).path());
        std::ofstream(Path(relative)) << text;
    }
    void UsbDevice(const std::string& folder, const std::vector<std::string>& values) {
        const char* names[] = {"idVendor", "idProduct", "manufacturer", "product", "serial"};
        for (size_t index = 0; index < values.size(); ++index) {
            if (!values[index].empty()) Write(folder + "/" + names[index], values[index] + "\n");
        }
    }
    // sys/class/tty/NAME/device points at the port's folder, whose driver link names the driver.
    void PortDevice(const std::string& name, const std::string& device, const std::string& driver) {
        QDir().mkpath(QString::fromStdString(Path("sys/devices/" + device)));
        QDir().mkpath(QString::fromStdString(Path("sys/bus/" + driver)));
        Link("sys/devices/" + device + "/driver", Path("sys/bus/" + driver));
        Link("sys/class/tty/" + name + "/device", Path("sys/devices/" + device));
    }
    void Process(int pid, const std::string& command, const std::string& heldPath) {
        const std::string folder = "proc/" + std::to_string(pid);
        Write(folder + "/comm", command + "\n");
        Link(folder + "/fd/5", heldPath);
    }

    // COM1 on the by-id link, COM2 on a pseudo-terminal of its own, COM3 on
    // nothing, the rest on their missing defaults.
    std::vector<TPortMapping> PortMap() const {
        std::vector<TPortMapping> map{
            {Path("dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"),
             TPortSource::Setting},
            {Spare.Path(), TPortSource::Environment},
            {Path("dev/ttyUSB7"), TPortSource::Setting},
        };
        for (int number = 4; number <= 20; ++number) {
            map.push_back({Path("dev/ttyUSB" + std::to_string(number - 1)), TPortSource::Default});
        }
        return map;
    }

    QTemporaryDir Temp;
    QDir Root{Temp.path()};
    TScanRoots Roots;
    TPseudoTerminal Ftdi, Acm, OnBoard, Phantom, Other, Spare;
};

std::vector<std::string> NamesOf(const TPortScan& scan) {
    std::vector<std::string> names;
    for (const TFoundDevice& device : scan.Devices) names.push_back(device.Name);
    return names;
}

TEST_F(PortScanTree, FindsUsbAndOnBoardPortsWithTheirFacts) {
    const TPortScan scan = ScanPorts(PortMap(), Roots);
    // ttyS1 reports no hardware and tty5 is no serial port; COM2's device comes last.
    const std::string spare = Spare.Path().substr(Spare.Path().rfind('/') + 1);
    EXPECT_EQ(NamesOf(scan), (std::vector<std::string>{"ttyUSB0", "ttyACM0", "ttyS0", spare}));
    const TFoundDevice& ftdi = scan.Devices[0];
    EXPECT_EQ(ftdi.Path, Path("dev/ttyUSB0"));
    EXPECT_EQ(ftdi.Facts.Driver, "ftdi_sio");
    EXPECT_EQ(ftdi.Facts.VendorId + ":" + ftdi.Facts.ProductId, "0403:6001");
    EXPECT_EQ(ftdi.Facts.Manufacturer, "FTDI");
    EXPECT_EQ(ftdi.Facts.Product, "FT232R USB UART");
    EXPECT_EQ(ftdi.Facts.Serial, "A50285BI");
    EXPECT_EQ(ftdi.ById, "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    const TFoundDevice& acm = scan.Devices[1];
    EXPECT_EQ(acm.Facts.Driver, "cdc_acm");
    EXPECT_EQ(acm.Facts.VendorId, "1a86");
    EXPECT_EQ(acm.Facts.Product, "");
    EXPECT_EQ(acm.ById, "");
    EXPECT_EQ(scan.Devices[2].Facts.VendorId, "");
    // Port Select finds the stable name from any path that comes to the device.
    EXPECT_EQ(ByIdNameOfDevice(Ftdi.Path(), Roots), ftdi.ById);
    EXPECT_EQ(ByIdNameOfDevice(Path("dev/ttyACM0"), Roots), "");
    EXPECT_EQ(ByIdNameOfDevice(Path("dev/ttyUSB7"), Roots), "");
}

TEST_F(PortScanTree, PortEntriesComeToTheirDevices) {
    const TPortScan scan = ScanPorts(PortMap(), Roots);
    ASSERT_EQ(scan.Ports.size(), 20u);
    EXPECT_EQ(scan.Ports[0].Device, 0);  // through the by-id link
    EXPECT_EQ(scan.Ports[1].Device, 3);
    EXPECT_EQ(scan.Devices[3].Path, Spare.Path());
    EXPECT_EQ(scan.Ports[2].Device, -1);
    EXPECT_EQ(scan.Ports[2].Mapping.Source, TPortSource::Setting);
    EXPECT_EQ(scan.Ports[19].Device, -1);
    for (const TFoundDevice& device : scan.Devices) {
        EXPECT_EQ(device.State, TPortState::Available) << device.Path;
    }
}

TEST_F(PortScanTree, ProcessTableNamesHoldersAndSpoilers) {
    const TPortScan scan = ScanPorts(PortMap(), Roots);
    ASSERT_EQ(scan.Devices[0].Holders.size(), 1u);
    EXPECT_EQ(scan.Devices[0].Holders[0].Pid, 640);
    EXPECT_EQ(scan.Devices[0].Holders[0].Command, "brltty");
    EXPECT_TRUE(scan.Devices[1].Holders.empty());
    ASSERT_EQ(scan.Spoilers.size(), 2u);
    std::vector<std::string> spoilers{scan.Spoilers[0].Command, scan.Spoilers[1].Command};
    std::sort(spoilers.begin(), spoilers.end());
    EXPECT_EQ(spoilers, (std::vector<std::string>{"ModemManager", "brltty"}));
}

std::string OwnCommand() {
    std::ifstream file("/proc/self/comm");
    std::string command;
    std::getline(file, command);
    return command;
}

TEST_F(PortScanTree, DeviceHeldByTheSerialComponentIsBusyAndNamesItsHolder) {
    TKComm holder;
    holder.SetDeviceName(Path("dev/ttyACM0"));
    holder.OpenCommport();
    Roots.Proc = "/proc";
    const TPortScan scan = ScanPorts(PortMap(), Roots);
    const TFoundDevice& acm = scan.Devices[1];
    EXPECT_EQ(acm.State, TPortState::Busy);
    ASSERT_EQ(acm.Holders.size(), 1u);
    EXPECT_EQ(acm.Holders[0].Pid, getpid());
    EXPECT_EQ(acm.Holders[0].Command, OwnCommand());
    // The trial open let go: once the holder closes, the device is free again.
    holder.CloseCommport();
    EXPECT_EQ(ScanPorts(PortMap(), Roots).Devices[1].State, TPortState::Available);
}

TEST(PortScanProbe, TrialOpenLeavesNoDescriptorAndNoLock) {
    TPseudoTerminal terminal;
    const TProbeResult first = ProbeDevice(terminal.Path());
    EXPECT_EQ(ClassifyProbe(first), TPortState::Available);
    TKComm comm;
    comm.SetDeviceName(terminal.Path());
    EXPECT_NO_THROW(comm.OpenCommport());
    EXPECT_TRUE(ProbeDevice(terminal.Path()).LockRefused);
    EXPECT_EQ(ClassifyProbe(ProbeDevice("/dev/null")), TPortState::NotSerial);
    EXPECT_EQ(ClassifyProbe(ProbeDevice("/nonexistent/ttyUSB0")), TPortState::Missing);
}

}  // namespace
