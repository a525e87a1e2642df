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
    const bool pdf = request.Kind == TFileDialogKind::SavePdf;
    QFileDialog dialog(
        parent, QString(), request.Folder,
        pdf ? QStringLiteral("PDF Files(*.pdf)") : QStringLiteral("TAVRIN Files(*.tvr)"));
    dialog.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("tvr"));
    if (pdf) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(request.PresetName);
    } else if (request.Kind == TFileDialogKind::Save) {
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

QString GetSavePdfFileName(QWidget* parent, const QString& folder, const QString& presetName) {
    return RunDialog(parent, {TFileDialogKind::SavePdf, folder, presetName});
}

void SetFileDialogResponder(TFileDialogResponder responder) {
    Responder() = std::move(responder);
}
