#include "gui/radio/windowlog.h"

#include "core/model/radiodata.h"
#include "core/ports/portmap.h"
#include "core/radio/commlog.h"
#include "core/radio/kcomm.h"
#include "gui/kit/workspace.h"

namespace {

// The port as the user chose it, with the device it stands for.
QString PortText(const std::string& device) {
    const std::string resolved = ResolvePortName(device);
    const QString chosen = QString::fromStdString(device);
    return resolved == device
               ? chosen
               : chosen + QStringLiteral(" (%1)").arg(QString::fromStdString(resolved));
}

}  // namespace

void AttachWindowLog(TWorkspace& workspace, TKComm& comm, TExchangeKind kind, TTransferScope scope,
                     const std::string& device) {
    if (!workspace.LogCommunication()) return;
    const TExchangeLabel label{kind, scope, QString::fromStdString(workspace.Data().GetModel()),
                               PortText(device)};
    QString problem;
    std::unique_ptr<TCommLog> log = OpenExchangeLog(label, problem);
    if (!log) workspace.ShowKeptFileProblem(problem);
    comm.AttachLog(std::move(log));
}
