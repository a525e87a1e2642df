#include "core/radio/commlog.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstdio>

#include "core/model/visiblebytes.h"

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "?"
#endif

namespace {

constexpr char kCarriageReturn = '\r';

const char* MarkOf(bool outgoing) {
    return outgoing ? ">" : "<";
}

}  // namespace

QString CommLogHeadingLine(const TCommLogHeading& heading) {
    return QStringLiteral("TAVRIN %1 communication log \u2014 %2, %3 on %4 \u2014 started %5")
        .arg(QLatin1String(TAVRIN_VERSION), heading.Exchange, heading.Model, heading.Port,
             heading.Started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

namespace {

QString CannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("The communication log %1 cannot be written: %2").arg(path, reason);
}

// Opening a FIFO for writing waits for a reader; without O_NONBLOCK it could wait forever.
int OpenForLog(const QString& path) {
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
    if (handle >= 0) ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    return handle;
}

}  // namespace

std::unique_ptr<TCommLog> TCommLog::Create(const QString& path, const TCommLogHeading& heading,
                                           QString& problem) {
    const int handle = OpenForLog(path);
    if (handle < 0) {
        problem = CannotWrite(path, qt_error_string(errno));
        return nullptr;
    }
    return CreateOn(handle, path, heading, problem);
}

std::unique_ptr<TCommLog> TCommLog::CreateOn(int handle, const QString& path,
                                             const TCommLogHeading& heading, QString& problem) {
    std::unique_ptr<TCommLog> log(new TCommLog(path));
    if (!log->Begin(handle, heading, problem)) return nullptr;
    return log;
}

TCommLog::TCommLog(const QString& path) : LogPath(path) {}

// Each line reaches the file at once, and a full disk shows in the write
// that meets it.
bool TCommLog::Begin(int handle, const TCommLogHeading& heading, QString& problem) {
    if (!File.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        problem = CannotWrite(LogPath, File.errorString());
        ::close(handle);
        return false;
    }
    const QByteArray first = (CommLogHeadingLine(heading) + QLatin1Char('\n')).toUtf8();
    Put(std::string_view(first.constData(), static_cast<size_t>(first.size())));
    if (Failed) {
        problem = Failure;
        return false;
    }
    Written = first.size();
    Clock.start();
    return true;
}

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
    if (bytes.empty() || Capped) return;
    EndLine();
    WriteLine(Milliseconds(), "<", VisibleBytes(bytes) + "  (discarded)");
}

void TCommLog::Note(const QString& text) {
    EndLine();
    WriteLine(Milliseconds(), "--", text.toStdString(), true);
}

// Bytes join the open line until a carriage return ends it or the other
// direction begins; the line keeps the time of its first byte. A line with
// no end in sight is ended once it could no longer fit, so it never
// grows past the room left in memory either.
void TCommLog::Add(TDirection direction, std::string_view bytes) {
    for (const char c : bytes) {
        if (Capped) return;
        if (Pending != direction) {
            EndLine();
            Pending = direction;
            PendingStart = Milliseconds();
        }
        PendingText += c;
        // A line longer than the room left can only end in the cap.
        const bool full = Written + static_cast<qint64>(PendingText.size()) > kCommLogCap;
        if (c == kCarriageReturn || full) EndLine();
    }
}

void TCommLog::EndLine() {
    if (Pending == TDirection::None) return;
    WriteLine(PendingStart, MarkOf(Pending == TDirection::Out), VisibleBytes(PendingText));
    Pending = TDirection::None;
    PendingText.clear();
}

void TCommLog::WriteLine(double milliseconds, const char* mark, const std::string& text,
                         bool fromProgram) {
    char stamp[32];
    const int stampSize =
        std::snprintf(stamp, sizeof stamp, "+%10.3f ms  %s  ", milliseconds, mark);
    const qint64 size = stampSize + static_cast<qint64>(text.size()) + 1;
    const qint64 room = kCommLogCap + (fromProgram ? kCommLogNoteRoom : 0);
    if (Written + size > room || (Capped && !fromProgram)) {
        if (Capped) return;
        Capped = true;
        WriteLine(milliseconds, "--", kCommLogCapNote, true);
        return;
    }
    Put(std::string(stamp, static_cast<size_t>(stampSize)) + text + '\n');
    Written += size;
}

// Written to the handle itself, so a failure keeps the system's reason.
void TCommLog::Put(std::string_view line) {
    while (!Failed && !line.empty()) {
        const ssize_t count = ::write(File.handle(), line.data(), line.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            Fail(errno);
        } else {
            line.remove_prefix(static_cast<size_t>(count));
        }
    }
}

void TCommLog::Fail(int error) {
    Failed = true;
    Failure = CannotWrite(LogPath, qt_error_string(error));
    if (FailureReport) FailureReport(Failure);
}

double TCommLog::Milliseconds() const {
    return static_cast<double>(Clock.nsecsElapsed()) / 1e6;
}
