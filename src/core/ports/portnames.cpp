#include "core/ports/portnames.h"

int PortNumberOf(const QString& portText) {
    for (int number = kPortCount; number >= 2; --number) {
        if (portText == PortText(number)) return number;
    }
    return 1;
}

QString PortText(int number) {
    return QStringLiteral("COM%1").arg(number);
}

std::string PortDeviceName(int number) {
    return number < 10 ? "COM" + std::to_string(number) : "\\\\.\\COM" + std::to_string(number);
}

std::string SelectedPortDeviceName(const QString& portText) {
    return "\\\\.\\" + portText.toStdString();
}
