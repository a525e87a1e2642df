#include "core/files/filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtGlobal>
#include <cerrno>

#include "core/files/leftovers.h"
#include "core/files/savetarget.h"
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
    if (largest >= qint64{1024} * 1024) {
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
        problem = NotARegularFileReason();
        return std::nullopt;
    }
    if (status.st_size > largest) {
        problem = TooLargeReason(largest);
        return std::nullopt;
    }
    return ReadAll(file.Get(), largest, problem);
}

// The new file is written beside the target under a name of its own
// ("club.tvr.a8Zq3x") and renamed over the target only once it is complete
// and on the disk, so the old file stays whole until then.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const TSaveTarget& target) : Target(target) {}
    ~TTemporaryFile() {
        if (Handle >= 0) ::close(Handle);
        if (!Name.isEmpty()) ::unlink(Name.constData());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    bool Create(QString& problem);
    bool Write(std::string_view bytes, QString& problem);
    bool Replace(QString& problem);

private:
    bool Fail(QString& problem) {
        problem = SystemReason(errno);
        return false;
    }

    const TSaveTarget& Target;
    QByteArray Name;  // empty once the file has taken the target's place
    int Handle = -1;
};

constexpr char kSuffixLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr qsizetype kSuffixLength = 6;
// The kinds of file the program saves; a temporary file of any of them in the
// folder is the program's own.
const QStringList kSavedKinds{QStringLiteral("tvr"), QStringLiteral("csv"), QStringLiteral("pdf")};

QByteArray RandomSuffix() {
    QByteArray suffix(kSuffixLength, '\0');
    for (char& letter : suffix) {
        letter = kSuffixLetters[QRandomGenerator::global()->bounded(
            static_cast<int>(sizeof kSuffixLetters - 1))];
    }
    return suffix;
}

// "a8Zq3x" may be one of ours; "backup", "BACKUP", "Backup" or "201907" is a
// name a person gave a copy, and is never taken for a leftover. (About one
// random suffix in sixty looks like that too; such a leftover stays.)
bool IsRandomLookingSuffix(const QString& suffix) {
    if (suffix.size() != kSuffixLength) return false;
    int lower = 0;
    int upper = 0;
    int digits = 0;
    for (const QChar c : suffix) {
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber()) return false;  // not of kSuffixLetters
        lower += c.isLower() ? 1 : 0;
        upper += c.isUpper() ? 1 : 0;
        digits += c.isDigit() ? 1 : 0;
    }
    if (digits > 0) return digits < kSuffixLength;
    const bool capitalised = upper == 1 && suffix[0].isUpper();
    return lower > 0 && upper > 0 && !capitalised;
}

// "club.tvr.a8Zq3x": the temporary file of a save of `target` or of another
// file of the kinds the program saves.
bool IsSaveLeftoverName(const QString& name, const QString& target) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name == target || !IsRandomLookingSuffix(name.mid(dot + 1))) return false;
    const QString saved = name.left(dot);
    return saved == target || kSavedKinds.contains(QFileInfo(saved).suffix(), Qt::CaseInsensitive);
}

void RemoveSaveLeftovers(const TSaveTarget& target) {
    const QFileInfo file(QFile::decodeName(target.Path));
    const QString name = file.fileName();
    RemoveLeftovers(file.path(),
                    [&name](const QString& other) { return IsSaveLeftoverName(other, name); });
}

// O_EXCL makes a new file or fails: a name someone else took meanwhile, a
// planted link among them, is never opened. A new target gets the
// permissions the umask allows; a replaced one keeps its own, and the
// temporary file is no more open than that while it is written.
bool TTemporaryFile::Create(QString& problem) {
    constexpr int kAttempts = 100;
    const mode_t mode = Target.Exists ? 0600 : 0666;
    for (int attempt = 0; attempt < kAttempts && Handle < 0; ++attempt) {
        const QByteArray name = Target.Path + '.' + RandomSuffix();
        Handle =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (Handle >= 0) Name = name;
        if (Handle < 0 && errno != EEXIST) return Fail(problem);
    }
    if (Handle < 0) return Fail(problem);
    if (Target.Exists && ::fchmod(Handle, Target.Permissions) != 0) return Fail(problem);
    return true;
}

// A short write says nothing of why; the next one fails with the reason.
bool TTemporaryFile::Write(std::string_view bytes, QString& problem) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(Handle, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return Fail(problem);
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    // A file system that keeps writes back may only find the disk full here.
    if (::fsync(Handle) != 0) return Fail(problem);
    const int handle = Handle;
    Handle = -1;
    return ::close(handle) == 0 || Fail(problem);
}

// What is at the target is looked at again at the last moment: a FIFO or
// device put there since the first look is not replaced either.
bool TTemporaryFile::Replace(QString& problem) {
    if (!TargetStillReplaceable(Target, problem)) return false;
    if (::rename(Name.constData(), Target.Path.constData()) != 0) return Fail(problem);
    Name.clear();
    return true;
}

bool SaveOver(const TSaveTarget& target, std::string_view bytes, QString& problem) {
    TTemporaryFile file(target);
    return file.Create(problem) && file.Write(bytes, problem) && file.Replace(problem);
}

}  // namespace

bool SaveFileBytes(const QString& path, std::string_view bytes, QString* reason) {
    QString problem;
    const std::optional<TSaveTarget> target = ResolveSaveTarget(path, problem);
    if (target) RemoveSaveLeftovers(*target);
    const bool saved = target && SaveOver(*target, bytes, problem);
    Report(reason, problem);
    return saved;
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
