#include "app/filedialogs.h"

#include <QFileDialog>

#include "app/modal.h"

namespace {

TFileDialogResponder& Responder() {
    static TFileDialogResponder responder;
    return responder;
}

QString RunDialog(QWidget* parent, const TFileDialogRequest& request) {
    if (Responder()) return Responder()(request);
    QFileDialog dialog(parent, QString(), request.Folder, QStringLiteral("TAVRIN Files(*.tvr)"));
    dialog.setDefaultSuffix(QStringLiteral("tvr"));
    if (request.Kind == TFileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Existing files are replaced without asking, as the program always did.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(request.PresetName);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString GetOpenDataFileName(QWidget* parent, const QString& folder) {
    return RunDialog(parent, {TFileDialogKind::Open, folder, QString()});
}

QString GetSaveDataFileName(QWidget* parent, const QString& folder, const QString& presetName) {
    return RunDialog(parent, {TFileDialogKind::Save, folder, presetName});
}

void SetFileDialogResponder(TFileDialogResponder responder) {
    Responder() = std::move(responder);
}
