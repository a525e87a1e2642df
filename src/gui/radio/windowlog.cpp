#include "gui/radio/windowlog.h"

#include "core/ports/portmap.h"
#include "core/radio/commlog.h"
#include "core/radio/kcomm.h"
#include "gui/mainwindow/mainform.h"

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

void AttachWindowLog(TMainForm& mainForm, TKComm& comm, TExchangeKind kind, TTransferScope scope,
                     const std::string& device) {
    if (!mainForm.LogCommunication()) return;
    const TExchangeLabel label{kind, scope, QString::fromStdString(mainForm.Data().GetModel()),
                               PortText(device)};
    QString problem;
    std::unique_ptr<TCommLog> log = OpenExchangeLog(label, problem);
    if (!log) mainForm.ShowKeptFileProblem(problem);
    comm.AttachLog(std::move(log));
}
