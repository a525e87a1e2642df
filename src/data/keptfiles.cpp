#include "data/keptfiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace {

constexpr char kStampFormat[] = "yyyy-MM-dd HH-mm-ss";

// Captures the time stamp and the counter of the same second.
const QRegularExpression& KeptNamePattern() {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4}-\d{2}-\d{2} \d{2}-\d{2}-\d{2})(?:\.(\d{1,6}))? [A-Za-z0-9._-]+ [a-z]+(?:-[a-z]+)?\.(\w+)$)"));
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
        if (!match.hasMatch() || match.captured(3) != extension) continue;
        files.push_back({name, match.captured(1), std::max(1, match.captured(2).toInt())});
    }
    return files;
}

}  // namespace

QString FreeKeptFilePath(const QString& folder, const QString& model, const QString& kind,
                         const QDateTime& when, const QString& extension) {
    const QDir dir(folder);
    for (int counter = 1;; ++counter) {
        const QString path = dir.filePath(KeptFileName(model, kind, when, counter, extension));
        if (!QFile::exists(path)) return path;
    }
}

bool IsKeptFileName(const QString& name, const QString& extension) {
    const QRegularExpressionMatch match = KeptNamePattern().match(name);
    return match.hasMatch() && match.captured(3) == extension;
}

void PruneKeptFiles(const QString& folder, const QString& extension, int keep) {
    std::vector<TKeptFile> files = KeptFilesIn(folder, extension);
    if (files.size() <= static_cast<size_t>(keep)) return;
    std::sort(files.begin(), files.end(), IsNewer);
    QDir dir(folder);
    for (auto old = files.begin() + keep; old != files.end(); ++old) dir.remove(old->Name);
}
