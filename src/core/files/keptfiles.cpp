#include "core/files/keptfiles.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <vector>

#include "core/files/leftovers.h"

namespace {

// Far more than a second can hold; past it something else is wrong.
constexpr int kMostCounters = 10000;
// Backups and logs are readable by others as the program's files always were.
constexpr mode_t kKeptFileMode = 0644;
// Created exclusively: an existing name, a planted link included, is never opened.
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

constexpr char kStampFormat[] = "yyyy-MM-dd HH-mm-ss";

// Captures the time stamp, the counter of the same second, the kind's first
// word ("read" of "read-memory") and the extension.
const QRegularExpression& KeptNamePattern() {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4}-\d{2}-\d{2} \d{2}-\d{2}-\d{2})(?:\.(\d{1,6}))? [A-Za-z0-9._-]+ ([a-z]+)(?:-[a-z]+)?\.(\w+)$)"));
    return pattern;
}

// Letters, digits and ".-_" pass; anything else, the path separators
// included, becomes '-'.
QString SafeModelText(const QString& model) {
    QString safe;
    for (const QChar c : model) {
        const bool plain =
            c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringLiteral("._-").contains(c));
        safe += plain ? c : QLatin1Char('-');
    }
    return safe.isEmpty() ? QStringLiteral("unknown") : safe;
}

QString KeptFileName(const QString& model, const QString& kind, const QDateTime& when, int counter,
                     const QString& extension) {
    QString stamp = when.toString(QLatin1String(kStampFormat));
    if (counter > 1) stamp += QStringLiteral(".%1").arg(counter);
    return QStringLiteral("%1 %2 %3.%4").arg(stamp, SafeModelText(model), kind, extension);
}

struct TKeptFile {
    QString Name;
    QString Stamp;
    int Counter;
    QString Family;  // the kind's first word: reads, writes, ... are kept apart
};

// Newest first.
bool IsNewer(const TKeptFile& a, const TKeptFile& b) {
    if (a.Stamp != b.Stamp) return a.Stamp > b.Stamp;
    return a.Counter > b.Counter;
}

std::vector<TKeptFile> KeptFilesIn(const QString& folder, const QString& extension) {
    std::vector<TKeptFile> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = KeptNamePattern().match(name);
        if (!match.hasMatch() || match.captured(4) != extension) continue;
        files.push_back(
            {name, match.captured(1), std::max(1, match.captured(2).toInt()), match.captured(3)});
    }
    return files;
}

QString KeptFilePath(const QString& folder, const TKeptFileName& name, int counter) {
    return QDir(folder).filePath(
        KeptFileName(name.Model, name.Kind, name.When, counter, name.Extension));
}

QByteArray Encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool WriteFully(int handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(handle, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

// Creates the first of the names `attempt` 1, 2, ... gives that nothing has
// yet, exclusively and without following a link.
template <typename TNameOf>
std::optional<TNewKeptFile> CreateFirstFree(int attempts, TNameOf nameOf, QString& reason) {
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const QString path = nameOf(attempt);
        const int handle = ::open(Encoded(path).constData(), kCreateFlags, kKeptFileMode);
        if (handle >= 0) return TNewKeptFile{handle, path};
        if (errno != EEXIST) {
            reason = qt_error_string(errno);
            return std::nullopt;
        }
    }
    reason = qt_error_string(EEXIST);
    return std::nullopt;
}

// A file of our own in `folder`, under a name no kept-file pattern matches.
std::optional<TNewKeptFile> CreateTemporary(const QString& folder, QString& reason) {
    return CreateFirstFree(
        100,
        [&folder](int) {
            return QDir(folder).filePath(QStringLiteral(".keeping-%1.tmp")
                                             .arg(QRandomGenerator::global()->generate64(), 0, 36));
        },
        reason);
}

// ".keeping-<a 64-bit number in base 36>.tmp", as CreateTemporary names them.
bool IsKeepingName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\.keeping-[0-9a-z]{1,13}\.tmp$)"));
    return pattern.match(name).hasMatch();
}

void RemoveKeepingLeftovers(const QString& folder) {
    RemoveLeftovers(folder, IsKeepingName);
}

// Gives the finished file its name unless something has that name already.
// A rename that may not replace is tried first; where the file system does
// not offer one, a hard link does the same.
int MoveWithoutReplacing(const QString& from, const QString& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, Encoded(from).constData(), AT_FDCWD, Encoded(to).constData(),
                    RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
    if (::link(Encoded(from).constData(), Encoded(to).constData()) != 0) return errno;
    ::unlink(Encoded(from).constData());
    return 0;
}

QString WriteTemporary(const TNewKeptFile& file, std::string_view bytes) {
    const bool written = WriteFully(file.Handle, bytes) && ::fsync(file.Handle) == 0;
    const int error = errno;
    if (::close(file.Handle) != 0 && written) return qt_error_string(errno);
    return written ? QString() : qt_error_string(error);
}

QString NameTemporary(const QString& temporary, const QString& folder, const TKeptFileName& name,
                      QString& reason) {
    int error = EEXIST;
    for (int counter = 1; counter <= kMostCounters && error == EEXIST; ++counter) {
        const QString path = KeptFilePath(folder, name, counter);
        error = MoveWithoutReplacing(temporary, path);
        if (error == 0) return path;
    }
    reason = qt_error_string(error);
    return {};
}

}  // namespace

std::optional<TNewKeptFile> CreateKeptFile(const QString& folder, const TKeptFileName& name,
                                           QString& reason) {
    RemoveKeepingLeftovers(folder);
    return CreateFirstFree(
        kMostCounters, [&](int counter) { return KeptFilePath(folder, name, counter); }, reason);
}

QString KeepFileBytes(const QString& folder, const TKeptFileName& name, std::string_view bytes,
                      QString& reason) {
    RemoveKeepingLeftovers(folder);
    const std::optional<TNewKeptFile> temporary = CreateTemporary(folder, reason);
    if (!temporary) return {};
    reason = WriteTemporary(*temporary, bytes);
    const QString path =
        reason.isEmpty() ? NameTemporary(temporary->Path, folder, name, reason) : QString();
    if (path.isEmpty()) ::unlink(Encoded(temporary->Path).constData());
    return path;
}

QString FreeKeptFilePath(const QString& folder, const QString& model, const QString& kind,
                         const QDateTime& when, const QString& extension) {
    const TKeptFileName name{model, kind, when, extension};
    for (int counter = 1;; ++counter) {
        const QString path = KeptFilePath(folder, name, counter);
        // A dangling link "does not exist" to QFile::exists, but its name is taken.
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return path;
    }
}

bool IsKeptFileName(const QString& name, const QString& extension) {
    const QRegularExpressionMatch match = KeptNamePattern().match(name);
    return match.hasMatch() && match.captured(4) == extension;
}

// Each kind keeps its own newest: a run of writes never removes the last read's backup.
void PruneKeptFiles(const QString& folder, const QString& extension, int keep) {
    std::vector<TKeptFile> files = KeptFilesIn(folder, extension);
    std::sort(files.begin(), files.end(), IsNewer);
    std::map<QString, int> keptOfFamily;
    QDir dir(folder);
    for (const TKeptFile& file : files) {
        if (++keptOfFamily[file.Family] > keep) dir.remove(file.Name);
    }
}
