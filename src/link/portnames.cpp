#include "link/portnames.h"

int PortNumberOf(const QString& portText) {
    for (int number = kPortCount; number >= 2; --number) {
        if (portText == PortText(number)) return number;
    }
    return 1;
}

QString PortText(int number) { return QStringLiteral("COM%1").arg(number); }
