#include "core/files/savetarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QtGlobal>
#include <cerrno>

#include "core/model/messagewords.h"

namespace {

// Links are followed as far as the system would follow them.
constexpr int kMostLinks = 40;

QString SystemReason(int error) {
    return qt_error_string(error);
}

QString SharedLinkReason() {
    return QString::fromStdString(MessageText(
        QT_TRANSLATE_NOOP("Messages", "a link in a shared folder that belongs to another user")));
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// Where a link leads, a relative target taken from the link's own folder.
std::optional<QByteArray> LinkTarget(const QByteArray& link) {
    QByteArray target(4096, '\0');
    for (;;) {
        const ssize_t size = ::readlink(link.constData(), target.data(), target.size());
        if (size < 0) return std::nullopt;
        if (size < target.size()) {
            target.truncate(size);
            break;
        }
        target.resize(target.size() * 2);
    }
    if (target.startsWith('/')) return target;
    const QByteArray folder = FolderOf(link);
    return folder.endsWith('/') ? folder + target : folder + '/' + target;
}

// The rule of the kernel's protected symlinks: in a folder everyone may
// write and only owners may delete from, a link is followed only when it
// belongs to the user or to the folder's owner.
bool MayFollow(const QByteArray& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (::stat(FolderOf(link).constData(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

// The new file is made in the target's folder and renamed over the target,
// so the user must be able to write the folder, whatever the target allows.
bool FolderWritable(const QByteArray& target, QString& problem) {
    if (::faccessat(AT_FDCWD, FolderOf(target).constData(), W_OK, AT_EACCESS) == 0) return true;
    problem = SystemReason(errno);
    return false;
}

std::optional<TSaveTarget> TargetAt(const QByteArray& path, const struct stat* status,
                                    QString& problem) {
    if (status != nullptr && !S_ISREG(status->st_mode)) {
        problem = NotARegularFileReason();
        return std::nullopt;
    }
    // A path that names a folder ("out/", "..") has no file name to give the new file.
    const QByteArray name = NameOf(path);
    if (name.isEmpty() || name == "." || name == "..") {
        problem = SystemReason(EISDIR);
        return std::nullopt;
    }
    if (!FolderWritable(path, problem)) return std::nullopt;
    TSaveTarget target;
    target.Path = path;
    target.Exists = status != nullptr;
    target.Permissions = status != nullptr ? status->st_mode & 0777 : 0;
    return target;
}

}  // namespace

QString NotARegularFileReason() {
    return QString::fromStdString(MessageText(QT_TRANSLATE_NOOP("Messages", "not a regular file")));
}

std::optional<TSaveTarget> ResolveSaveTarget(const QString& path, QString& problem) {
    QByteArray current = QFile::encodeName(path);
    for (int hop = 0;; ++hop) {
        struct stat status {};
        if (::lstat(current.constData(), &status) != 0) {
            if (errno == ENOENT && !current.isEmpty()) return TargetAt(current, nullptr, problem);
            problem = SystemReason(current.isEmpty() ? ENOENT : errno);
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) return TargetAt(current, &status, problem);
        if (hop == kMostLinks) {
            problem = SystemReason(ELOOP);
            return std::nullopt;
        }
        if (!MayFollow(current, status)) {
            problem = SharedLinkReason();
            return std::nullopt;
        }
        const std::optional<QByteArray> target = LinkTarget(current);
        if (!target) {
            problem = SystemReason(errno);
            return std::nullopt;
        }
        current = *target;
    }
}

QString SaveTargetProblem(const QString& path) {
    QString problem;
    ResolveSaveTarget(path, problem);
    return problem;
}

bool TargetStillReplaceable(const TSaveTarget& target, QString& problem) {
    struct stat status {};
    if (::lstat(target.Path.constData(), &status) != 0) return true;  // gone: the new file is made
    // A link put there meanwhile is replaced itself; what it points to is not touched.
    if (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)) return true;
    problem = NotARegularFileReason();
    return false;
}
