#include "core/radio/transferrecords.h"

#include <QDir>

#include "core/files/backups.h"
#include "core/files/datafolders.h"
#include "core/files/keptfiles.h"
#include "core/model/radiodata.h"
#include "core/radio/commlog.h"

namespace {

const char* ScopeFileText(TTransferScope scope) {
    switch (scope) {
        case TTransferScope::Memory:
            return "-memory";
        case TTransferScope::Menu:
            return "-menu";
        default:
            return "";
    }
}

const char* ScopeName(TTransferScope scope) {
    switch (scope) {
        case TTransferScope::Memory:
            return "Memory";
        case TTransferScope::Menu:
            return "Menu";
        default:
            return "All";
    }
}

QString BackUp(const TRadioData& data, TExchangeKind kind, TTransferScope scope, QString& problem) {
    const TExchangeLabel label{kind, scope, {}, {}};
    return SaveBackup(data, KindFileText(label), problem);
}

TCommLogHeading Heading(const TExchangeLabel& label) {
    TCommLogHeading heading;
    heading.Exchange = KindDescription(label);
    heading.Model = label.Model;
    heading.Port = label.Port;
    return heading;
}

}  // namespace

QString KindFileText(const TExchangeLabel& label) {
    switch (label.Kind) {
        case TExchangeKind::Read:
            return QStringLiteral("read") + QLatin1String(ScopeFileText(label.Scope));
        case TExchangeKind::Write:
            return QStringLiteral("write") + QLatin1String(ScopeFileText(label.Scope));
        default:
            return QStringLiteral("display");
    }
}

QString KindDescription(const TExchangeLabel& label) {
    switch (label.Kind) {
        case TExchangeKind::Read:
            return QStringLiteral("read %1").arg(QLatin1String(ScopeName(label.Scope)));
        case TExchangeKind::Write:
            return QStringLiteral("write %1").arg(QLatin1String(ScopeName(label.Scope)));
        default:
            return QStringLiteral("channel display");
    }
}

QString BackUpBeforeWrite(const TRadioData& data, TTransferScope scope, QString& problem) {
    return BackUp(data, TExchangeKind::Write, scope, problem);
}

// Only a read that brought everything stands for the transceiver's contents.
QString BackUpAfterRead(const TRadioData& data, TTransferScope scope, TExchangeOutcome outcome,
                        QString& problem) {
    if (outcome != TExchangeOutcome::Done) return {};
    return BackUp(data, TExchangeKind::Read, scope, problem);
}

std::unique_ptr<TCommLog> OpenExchangeLog(const TExchangeLabel& label, QString& problem) {
    problem = DataFolderProblem();
    if (!problem.isEmpty()) return nullptr;
    const QString folder = LogsFolder();
    if (!EnsureFolder(folder)) {
        problem = FolderProblem(folder);
        return nullptr;
    }
    const TKeptFileName name{label.Model, KindFileText(label), QDateTime::currentDateTime(),
                             QStringLiteral("log")};
    QString reason;
    const std::optional<TNewKeptFile> file = CreateKeptFile(folder, name, reason);
    if (!file) {
        problem = QStringLiteral("The communication log cannot be written in %1: %2")
                      .arg(QDir::toNativeSeparators(folder), reason);
        return nullptr;
    }
    std::unique_ptr<TCommLog> log =
        TCommLog::CreateOn(file->Handle, file->Path, Heading(label), problem);
    PruneKeptFiles(folder, QStringLiteral("log"));
    return log;
}

std::unique_ptr<TCommLog> OpenExchangeLogAt(const QString& path, const TExchangeLabel& label,
                                            QString& problem) {
    return TCommLog::Create(path, Heading(label), problem);
}

QString OutcomeText(TExchangeOutcome outcome) {
    switch (outcome) {
        case TExchangeOutcome::Done:
            return QStringLiteral("ended: completed");
        case TExchangeOutcome::Refused:
            return QStringLiteral("ended: some records refused");
        case TExchangeOutcome::TimedOut:
            return QStringLiteral("ended: no reply in time");
        case TExchangeOutcome::Unsupported:
            return QStringLiteral("ended: transceiver not supported");
        case TExchangeOutcome::Cancelled:
            return QStringLiteral("ended: cancelled");
        case TExchangeOutcome::LineFailed:
            return QStringLiteral("ended: the line failed");
        case TExchangeOutcome::Differs:
            return QStringLiteral("ended: the data read back differs from the data written");
        default:
            return QStringLiteral("ended: the port could not be opened");
    }
}
