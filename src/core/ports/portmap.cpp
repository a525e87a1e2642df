#include "core/ports/portmap.h"

#include <QtGlobal>

#include "core/model/messagewords.h"

#include <QSettings>
#include <QString>
#include <cstdlib>

#include "core/files/settings.h"
#include "core/ports/portnames.h"

int PortNumberOfName(const std::string& name) {
    std::string_view text(name);
    if (text.starts_with("\\\\.\\")) text.remove_prefix(4);
    if (!text.starts_with("COM")) return 0;
    const std::string_view digits = text.substr(3);
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') return 0;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number <= kPortCount ? number : 0;
}

TPortMapping MapPortNumber(int number) {
    const QString port = PortText(number);
    const QString mapped = TSettingsStore().Read(QStringLiteral("Ports/") + port);
    if (!mapped.isEmpty()) return {mapped.toStdString(), TPortSource::Setting};
    const QByteArray fromEnvironment = qgetenv(("TAVRIN_" + port).toLatin1().constData());
    if (!fromEnvironment.isEmpty()) {
        return {fromEnvironment.toStdString(), TPortSource::Environment};
    }
    return {"/dev/ttyUSB" + std::to_string(number - 1), TPortSource::Default};
}

std::string PortSourceText(int number, TPortSource source) {
    switch (source) {
        case TPortSource::Setting:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "setting"));
        case TPortSource::Environment:
            return "TAVRIN_COM" + std::to_string(number);
        case TPortSource::Default:
            break;
    }
    return MessageText(QT_TRANSLATE_NOOP("Messages", "default"));
}

std::string ResolvePortName(const std::string& name) {
    const int number = PortNumberOfName(name);
#ifdef Q_OS_WIN
    return number == 0 ? name : (number < 10 ? "COM" : "\\\\.\\COM") + std::to_string(number);
#else
    return number == 0 ? name : MapPortNumber(number).Device;
#endif
}
