#include "core/files/filereport.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include "core/files/datafile.h"
#include "core/files/filebytes.h"
#include "core/files/savetarget.h"
#include "core/model/messagewords.h"
#include "core/model/visiblebytes.h"

namespace {

// Links are followed as far as the system would follow them.
constexpr int kMostLinks = 40;

// The path and every path its links lead to, a dangling last one included.
QStringList LinkChain(const QString& path) {
    QStringList chain{path};
    QFileInfo link(path);
    for (int hop = 0; hop < kMostLinks && link.isSymLink(); ++hop) {
        const QString target = link.symLinkTarget();
        if (target.isEmpty() || chain.contains(target)) break;
        chain << target;
        link = QFileInfo(target);
    }
    return chain;
}

}  // namespace

QString VisibleFileName(const QString& path) {
    return VisibleText(QDir::toNativeSeparators(path));
}

QString FileDetail(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(VisibleFileName(path), reason);
}

QString DataFileOpenDetail(const QString& path, TDataFileResult result, const QString& reason) {
    switch (result) {
        case TDataFileResult::Loaded:
            return {};
        case TDataFileResult::NotADataFile:
            return FileDetail(path, QString::fromStdString(MessageText(
                                        QT_TRANSLATE_NOOP("Messages", "not a data file"))));
        case TDataFileResult::WrongModel:
            return FileDetail(path, QString::fromStdString(MessageText(
                                        QT_TRANSLATE_NOOP("Messages", "saved for another model"))));
        default:
            break;
    }
    return FileDetail(path, reason);
}

QString OutputFileProblem(const QString& output, const QString& input) {
    for (const QString& path : LinkChain(output)) {
        if (HasDataFileExtension(path)) {
            return QString::fromStdString(MessageText(QT_TRANSLATE_NOOP(
                "Messages", "a data file (.tvr) is never replaced by an export")));
        }
    }
    if (!input.isEmpty() && IsSameFile(output, input)) {
        return QString::fromStdString(
            MessageText(QT_TRANSLATE_NOOP("Messages", "the file the output is made from")));
    }
    return SaveTargetProblem(output);
}
