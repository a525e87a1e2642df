#include "gui/kit/filedialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "gui/kit/modal.h"

namespace {

TFileDialogResponder& Responder() {
    static TFileDialogResponder responder;
    return responder;
}

// What sets the dialogs of each kind apart.
struct TDialogLayout {
    const char* Filter;
    const char* Extension;
    bool Saves;
    bool AsksBeforeReplacing;
};

TDialogLayout LayoutOf(TFileDialogKind kind) {
    switch (kind) {
        case TFileDialogKind::Open:
            return {QT_TRANSLATE_NOOP("FileDialogs", "TAVRIN Files(*.tvr)"), "tvr", false, false};
        // Existing data files are replaced without asking, as the program always did.
        case TFileDialogKind::Save:
            return {QT_TRANSLATE_NOOP("FileDialogs", "TAVRIN Files(*.tvr)"), "tvr", true, false};
        case TFileDialogKind::SavePdf:
            return {QT_TRANSLATE_NOOP("FileDialogs", "PDF Files(*.pdf)"), "pdf", true, true};
        case TFileDialogKind::OpenCsv:
            return {QT_TRANSLATE_NOOP("FileDialogs", "CSV Files(*.csv)"), "csv", false, false};
        case TFileDialogKind::SaveCsv:
            return {QT_TRANSLATE_NOOP("FileDialogs", "CSV Files(*.csv)"), "csv", true, true};
    }
    return {"", "", false, false};
}

QString RunDialog(QWidget* parent, const TFileDialogRequest& request) {
    if (Responder()) return Responder()(request);
    const TDialogLayout layout = LayoutOf(request.Kind);
    QFileDialog dialog(parent, QString(), request.Folder,
                       QCoreApplication::translate("FileDialogs", layout.Filter));
    dialog.setDefaultSuffix(QString::fromLatin1(layout.Extension));
    if (layout.Saves) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !layout.AsksBeforeReplacing);
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

QString GetOpenCsvFileName(QWidget* parent, const QString& folder) {
    return RunDialog(parent, {TFileDialogKind::OpenCsv, folder, QString()});
}

QString GetSaveCsvFileName(QWidget* parent, const QString& folder, const QString& presetName) {
    return RunDialog(parent, {TFileDialogKind::SaveCsv, folder, presetName});
}

void SetFileDialogResponder(TFileDialogResponder responder) {
    Responder() = std::move(responder);
}
