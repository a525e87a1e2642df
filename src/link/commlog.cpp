#include "link/commlog.h"

#include <cstdio>

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "?"
#endif

namespace {

constexpr char kCarriageReturn = '\r';

const char* MarkOf(bool outgoing) {
    return outgoing ? ">" : "<";
}

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

QString CommLogHeadingLine(const TCommLogHeading& heading) {
    return QStringLiteral("TAVRIN %1 communication log \u2014 %2, %3 on %4 \u2014 started %5")
        .arg(QLatin1String(TAVRIN_VERSION), heading.Exchange, heading.Model, heading.Port,
             heading.Started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

std::unique_ptr<TCommLog> TCommLog::Create(const QString& path, const TCommLogHeading& heading,
                                           QString& problem) {
    std::unique_ptr<TCommLog> log(new TCommLog(path));
    if (!log->File.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        problem = QStringLiteral("The communication log %1 cannot be written.").arg(path);
        return nullptr;
    }
    log->File.write((CommLogHeadingLine(heading) + QLatin1Char('\n')).toUtf8());
    log->File.flush();
    log->Clock.start();
    return log;
}

TCommLog::TCommLog(const QString& path) : File(path) {}

TCommLog::~TCommLog() {
    EndLine();
}

void TCommLog::Sent(std::string_view bytes) {
    Add(TDirection::Out, bytes);
}

void TCommLog::Received(std::string_view bytes) {
    Add(TDirection::In, bytes);
}

void TCommLog::Discarded(std::string_view bytes) {
    if (bytes.empty()) return;
    EndLine();
    WriteLine(Milliseconds(), "<", VisibleBytes(bytes) + "  (discarded)");
}

void TCommLog::Note(const QString& text) {
    EndLine();
    WriteLine(Milliseconds(), "--", text.toStdString());
}

// Bytes join the open line until a carriage return ends it or the other
// direction begins; the line keeps the time of its first byte.
void TCommLog::Add(TDirection direction, std::string_view bytes) {
    for (const char c : bytes) {
        if (Pending != direction) {
            EndLine();
            Pending = direction;
            PendingStart = Milliseconds();
        }
        PendingText += c;
        if (c == kCarriageReturn) EndLine();
    }
}

void TCommLog::EndLine() {
    if (Pending == TDirection::None) return;
    WriteLine(PendingStart, MarkOf(Pending == TDirection::Out), VisibleBytes(PendingText));
    Pending = TDirection::None;
    PendingText.clear();
}

void TCommLog::WriteLine(double milliseconds, const char* mark, const std::string& text) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "+%10.3f ms  %s  ", milliseconds, mark);
    File.write(stamp);
    File.write(text.data(), static_cast<qint64>(text.size()));
    File.write("\n");
    File.flush();
}

double TCommLog::Milliseconds() const {
    return static_cast<double>(Clock.nsecsElapsed()) / 1e6;
}
