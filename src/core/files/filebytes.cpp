#include "core/files/filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>
#include <cerrno>
#include "core/model/messagewords.h"

namespace {

// Hands the outcome of a call to the caller that asked for it.
void Report(QString* reason, const QString& problem) {
    if (reason) *reason = problem;
}

QString SystemReason(int error) {
    return qt_error_string(error);
}

QString TooLargeReason(qint64 largest) {
    if (largest >= 1024 * 1024) {
        return QString::fromStdString(MessageText(
            QT_TRANSLATE_NOOP("Messages", "larger than %1 MiB"), {std::to_string(largest >> 20)}));
    }
    return QString::fromStdString(MessageText(QT_TRANSLATE_NOOP("Messages", "larger than %1 bytes"),
                                              {std::to_string(largest)}));
}

// Closes a file handle when the reading is over, whichever way it ends.
class THandle {
public:
    explicit THandle(int handle) : Handle(handle) {}
    ~THandle() {
        if (Handle >= 0) ::close(Handle);
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    int Get() const { return Handle; }

private:
    int Handle;
};

// Reads to the end of the file, at most `largest` + 1 bytes so that a file
// that grew after the size check is still caught.
std::optional<std::string> ReadAll(int handle, qint64 largest, QString& problem) {
    std::string bytes;
    char block[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(handle, block, sizeof block);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            problem = SystemReason(errno);
            return std::nullopt;
        }
        if (count == 0) return bytes;
        bytes.append(block, static_cast<size_t>(count));
        if (static_cast<qint64>(bytes.size()) > largest) {
            problem = TooLargeReason(largest);
            return std::nullopt;
        }
    }
}

std::optional<std::string> LoadRegularFile(const QString& path, qint64 largest, QString& problem) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const THandle file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        problem = SystemReason(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        problem = SystemReason(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = QString::fromStdString(
            MessageText(QT_TRANSLATE_NOOP("Messages", "not a regular file")));
        return std::nullopt;
    }
    if (status.st_size > largest) {
        problem = TooLargeReason(largest);
        return std::nullopt;
    }
    return ReadAll(file.Get(), largest, problem);
}

}  // namespace

bool SaveFileBytes(const QString& path, std::string_view bytes, QString* reason) {
    QSaveFile file(path);
    // Unbuffered, so that a disk that fills up shows in the count written
    // here; a buffered write would only be cut short at commit, unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Report(reason, file.errorString());
        return false;
    }
    // A short write says nothing of why; the next one fails with the reason.
    while (!bytes.empty()) {
        const qint64 count = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (count <= 0) {
            Report(reason, file.errorString());
            file.cancelWriting();
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    if (!file.commit()) {
        Report(reason, file.errorString());
        return false;
    }
    Report(reason, {});
    return true;
}

std::optional<std::string> LoadFileBytes(const QString& path, qint64 largest, QString* reason) {
    QString problem;
    std::optional<std::string> bytes = LoadRegularFile(path, largest, problem);
    Report(reason, problem);
    return bytes;
}

bool IsSameFile(const QString& first, const QString& second) {
    struct stat one {};
    struct stat other {};
    return ::stat(QFile::encodeName(first).constData(), &one) == 0 &&
           ::stat(QFile::encodeName(second).constData(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}
