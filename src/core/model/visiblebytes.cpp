#include "core/model/visiblebytes.h"

#include <cstdio>

namespace {

std::string ControlName(unsigned char byte) {
    switch (byte) {
        case '\r':
            return "<CR>";
        case '\n':
            return "<LF>";
        case '\t':
            return "<TAB>";
        case 0x11:
            return "<XON>";
        case 0x13:
            return "<XOFF>";
        default:
            break;
    }
    char name[8];
    std::snprintf(name, sizeof name, "<0x%02X>", byte);
    return name;
}

bool IsShownAsCode(QChar c) {
    switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

QString CodeOf(QChar c) {
    const ushort code = c.unicode();
    if (code <= 0xFF)
        return QStringLiteral("<0x%1>").arg(QString::number(code, 16).toUpper(), 2,
                                            QLatin1Char('0'));
    return QStringLiteral("<U+%1>").arg(QString::number(code, 16).toUpper(), 4, QLatin1Char('0'));
}

}  // namespace

std::string VisibleBytes(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool printable = byte >= 0x20 && byte < 0x7F;
        text += printable ? std::string(1, c) : ControlName(byte);
    }
    return text;
}

QString VisibleText(const QString& text) {
    QString shown;
    for (const QChar c : text) shown += IsShownAsCode(c) ? CodeOf(c) : QString(c);
    return shown;
}
