#pragma once

#include <QString>
#include <functional>

class QWidget;

enum class TFileDialogKind { Open, Save, SavePdf, OpenCsv, SaveCsv };

struct TFileDialogRequest {
    TFileDialogKind Kind;
    QString Folder;      // the folder the dialog starts in
    QString PresetName;  // the name filled in (save dialog)
};

// The open and save dialogs for data files ("TAVRIN Files(*.tvr)", default
// extension "tvr"). They return the chosen path, or an empty text on Cancel.
QString GetOpenDataFileName(QWidget* parent, const QString& folder);
QString GetSaveDataFileName(QWidget* parent, const QString& folder, const QString& presetName);

// The save dialog for PDF files ("PDF Files(*.pdf)", default extension "pdf");
// it asks before replacing a file.
QString GetSavePdfFileName(QWidget* parent, const QString& folder, const QString& presetName);

// The open and save dialogs for CSV channel lists ("CSV Files(*.csv)", default
// extension "csv"); the save dialog asks before replacing a file.
QString GetOpenCsvFileName(QWidget* parent, const QString& folder);
QString GetSaveCsvFileName(QWidget* parent, const QString& folder, const QString& presetName);

// Lets a test choose the file instead of a person; empty restores the dialogs.
using TFileDialogResponder = std::function<QString(const TFileDialogRequest&)>;
void SetFileDialogResponder(TFileDialogResponder responder);
