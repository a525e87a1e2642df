#pragma once

#include <QString>

class QWidget;
class TRadioData;

// The file name of a document that has none.
inline const QString kUntitled = QStringLiteral("Untitled");

// What the dialogs around the main window need of it: the data set they work on,
// the selection of the grids, and the steps that follow a change. The main window
// implements it; the editors, exchange dialogs, printing, sort, Memory Channel
// Select and Model Select see only this.
class TWorkspace {
public:
    // The window the dialogs are centred on and owned by.
    virtual QWidget* Window() = 0;
    virtual TRadioData& Data() = 0;
    // The document's file name (kUntitled when it has none).
    virtual const QString& FileName() const = 0;
    // The folder the file dialogs start in.
    virtual const QString& DialogFolder() const = 0;
    // The selected port ("COM1".."COM20").
    virtual const QString& CommPort() const = 0;
    // Whether the Tone Burst option of the settings is on.
    virtual bool ToneBurst() const = 0;

    // The selected row of the memory and DTMF grids (1-based, 0 for none).
    virtual int SelectedMemoryRow() const = 0;
    virtual int SelectedDtmfRow() const = 0;

    // After the data set changed: the grids show it again.
    virtual void RefreshGrids() = 0;
    // After the user changed the data set on a page: the grids show it again and
    // the change is one step of Edit > Undo.
    virtual void CommitDataChange() = 0;
    // After the number of memory channels changed: the grids and the pages that
    // depend on it are rebuilt and the first channel is selected.
    virtual void MemoryLayoutChanged() = 0;
    // The changed-data question before the data set is replaced: false when the
    // command must be abandoned (Cancel, or a save that did not happen).
    virtual bool ConfirmDiscardChanges() = 0;
    // The Model Select change to catalogue row 0..14.
    virtual void ChangeModel(int row) = 0;
    // Brings the memory channel page to the front.
    virtual void ShowMemoryPage() = 0;
    // A short note in the status bar for `milliseconds`.
    virtual void ShowStatusNote(const QString& text, int milliseconds) = 0;

    // Radio > Log Communication is on: every exchange writes a communication log.
    virtual bool LogCommunication() const = 0;
    // Tells the user, once, without stopping anything, that a backup or log
    // could not be kept.
    virtual void ShowKeptFileProblem(const QString& problem) = 0;

protected:
    ~TWorkspace() = default;
};
