#include "core/ports/portsysfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// USB interfaces and serial ports hang a few levels below their USB device.
constexpr int kMostLevelsToUsbDevice = 4;

std::string ReadAttribute(const QDir& folder, const char* name) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readLine(256).trimmed().toStdString();
}

QDir DeviceFolder(const std::string& ttyClassRoot, const std::string& name) {
    const QString link = QString::fromStdString(ttyClassRoot + "/" + name + "/device");
    return QDir(QFileInfo(link).canonicalFilePath());
}

std::string DriverOf(const QDir& device) {
    const QFileInfo driver(device.filePath(QStringLiteral("driver")));
    return driver.isSymLink() ? QFileInfo(driver.symLinkTarget()).fileName().toStdString()
                              : std::string();
}

void ReadUsbDevice(QDir device, TDeviceFacts& facts) {
    for (int level = 0; level <= kMostLevelsToUsbDevice; ++level) {
        if (device.exists(QStringLiteral("idVendor"))) {
            facts.VendorId = ReadAttribute(device, "idVendor");
            facts.ProductId = ReadAttribute(device, "idProduct");
            facts.Manufacturer = ReadAttribute(device, "manufacturer");
            facts.Product = ReadAttribute(device, "product");
            facts.Serial = ReadAttribute(device, "serial");
            return;
        }
        if (!device.cdUp()) return;
    }
}

}  // namespace

TDeviceFacts ReadDeviceFacts(const std::string& ttyClassRoot, const std::string& name) {
    TDeviceFacts facts;
    const QDir device = DeviceFolder(ttyClassRoot, name);
    if (device.path().isEmpty() || device.path() == QLatin1String(".")) return facts;
    facts.Driver = DriverOf(device);
    ReadUsbDevice(device, facts);
    return facts;
}

bool HasSerialHardware(const std::string& ttyClassRoot, const std::string& name) {
    const QDir tty(QString::fromStdString(ttyClassRoot + "/" + name));
    if (!QFileInfo::exists(tty.filePath(QStringLiteral("device")))) return false;
    const std::string type = ReadAttribute(tty, "type");
    return !type.empty() && type != "0";
}
