#pragma once

#include <QMainWindow>
#include <QStringList>
#include <optional>

#include "core/files/filestamp.h"
#include "core/model/radiodata.h"
#include "core/model/undohistory.h"
#include "core/radio/exchange.h"
#include "gui/kit/workspace.h"
#include "gui/mainwindow/mainmenu.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class TChannelGrids;
class TChannelsPage;
struct TCsvImport;
class TMenuPages;
class TSettingsStore;

// Whether building the main window shows the splash window first.
enum class TSplash { Shown, Skipped };

// The one main window: owns the data set and the current file name, and runs
// the File commands and the frame around everything else.
class TMainForm : public QMainWindow, public TWorkspace {
    Q_OBJECT
public:
    // The settings store outlives the window; `arguments` are the program's
    // command-line arguments without the program name.
    TMainForm(TSettingsStore& store, QStringList arguments, QWidget* parent = nullptr);
    TMainForm(TSettingsStore& store, QStringList arguments, TSplash splash,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the other windows see of this one.
    QWidget* Window() override { return this; }
    TRadioData& Data() override { return RadioData; }
    const QString& FileName() const override { return CurrentFileName; }
    const QString& CommPort() const override { return SelectedPort; }
    const QString& DialogFolder() const override { return InitialFolder; }
    bool ToneBurst() const override { return ToneBurstOption; }
    int SelectedMemoryRow() const override;
    int SelectedDtmfRow() const override;
    void RefreshGrids() override;
    void CommitDataChange() override;
    void MemoryLayoutChanged() override;
    void ChangeModel(int row) override;
    void ShowMemoryPage() override;
    void ShowStatusNote(const QString& text, int milliseconds) override;
    bool LogCommunication() const override;
    void ShowKeptFileProblem(const QString& problem) override;

    // Shared steps the other windows call.
    void UpdateCaption();
    void UpdateCommentFont();
    void UpdateMarketControls();
    void ShowMenuPages();
    void ShowComment();
    void TickPortItem(int number);
    void SetupGrids();
    void UpdateStatusBar();
    void PageControl1Change();
    void FocusMemoryGrid();
    void OpenEditor(int grid);
    bool ConfirmDiscardChanges() override;

    // Commands.
    void New1Click();
    void Open1Click();
    void OpenBackupClick();
    // File > Open Recent: its items, and the file of one of them.
    void FillRecentMenu();
    void OpenRecentFile(const QString& path);
    void Save1Click();
    bool Save2Click();
    void Exit1Click();
    void EndSession();
    void ModelSelect1Click();
    // Port Select item 1..20: takes the port when it can be opened.
    void ComItemClick(int number);
    // The test before every radio command; false (after saying so) when the
    // selected port cannot be opened.
    bool CheckSelectedPort();
    // Port Select > Ports...: the ports overview.
    void PortsClick();
    // The first file of a drop on the window.
    void OpenDroppedFile(const QString& path);
    // Radio > Read: All, Memory, Menu.
    void All1Click();
    void Memory1Click();
    void Menu1Click();
    // Radio > Write: All, Memory, Menu.
    void All2Click();
    void Memory2Click();
    void Menu2Click();
    // File > Import CSV and Export CSV: the memory channels as a CSV channel list.
    void ImportCsvClick();
    void ExportCsvClick();
    // Radio > Channel Display, Help > Help Topics, Help > About.
    void ChannelDisplay1Click();
    void Help2Click();
    void About1Click();
    void ConnectLanguageMenu();
    // The channel clipboard commands and their enabling.
    void UpdateEditCommands();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void Lockout2Click();
    // The same commands on the Channels page: they act on the table's selected rows.
    bool ChannelsPageShown() const;
    void CopyChannelRows();
    void CutChannelRows();
    void DeleteChannelRows();
    void PasteChannelRowsClick();
    // Edit > Channel Editor: the memory editor on the table's current row, or the
    // editor of the Memory page's current grid.
    void ChannelEditorClick();
    // A command that uses the data set first stores the table's cell being edited;
    // false when its value was refused (the edit stays open and says why).
    bool StoreCellEdit();
    void PopupMenu1Popup();
    // Edit > Undo and Redo, and the steps every change on the user's behalf records.
    // Typing merges into one step per source: the comment, or a menu slot 1..36.
    static constexpr int kCommentUndoSource = 0;
    void RecordUndoStep(int mergeSource = TUndoHistory::kSeparateStep);
    void ResetUndoHistory();
    void UpdateUndoCommands();
    void UndoClick();
    void RedoClick();

    // Controls, named as the window knows them.
    TMainMenu Menu;
    TSpeedButtons SpeedButtons;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "Memor&y"
    QWidget* TabSheet2 = nullptr;  // "Me&nu" (handhelds)
    QWidget* TabSheet3 = nullptr;  // "Menu&1" (mobiles)
    QWidget* TabSheet4 = nullptr;  // "Menu&2" (mobiles)
    QWidget* TabSheet5 = nullptr;  // "Ch&annels"
    QLabel* CommentLabel = nullptr;
    QLineEdit* Edit2 = nullptr;  // the comment
    QList<QLabel*> StatusPanels;
    TChannelGrids* Grids = nullptr;
    TMenuPages* MenuPages = nullptr;
    TChannelsPage* ChannelsPage = nullptr;
    TGridPopupMenus PopupMenus;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildWindow();
    void BuildPages();
    void BuildCommentBox();
    void BuildStatusBar();
    void ConnectCommands();
    void ConnectRadioTransfers();
    void ConnectEditCommands();
    void ConnectWorkspaceCommands();
    void ConnectCsvCommands();
    void ConnectUndoCommands();
    void ConnectChannelsPage();
    void ShowChannelsStatus();
    void OpenChannelEditor();
    // An edit of the table refused as the user went to another page or control.
    void ReturnToRefusedEdit();
    // What a paste on the Channels page did: a clean one in the page's message line,
    // one with notes in a report as well; one that pasted nothing in red.
    void ReportChannelPaste(const TCsvImport& paste);
    void FitWindowToPage();
    // Stores what a CSV import or a paste of channel rows made of the data set
    // and reports it; false (nothing stored) when nothing could be read.
    bool ApplyCsvImport(const TCsvImport& import);
    void ShowRestoredData();
    void FormCreate();
    void LoadConfiguration();
    void FormShow();
    void HandleCommandLine();
    bool LoadDataFile(const QString& path);
    bool OpenFromDialog(const QString& folder);
    bool OpenAfterAsking(const QString& path);
    void ConnectKeptFileCommands();
    void RememberFolder();
    void ShowStatusTexts(const QStringList& texts);
    void ShowPortDevices();
    void Edit2Change(const QString& text);
    void SetFileName(const QString& fileName);
    bool WriteTo(const QString& fileName);
    bool ConfirmReplacingDamagedFile(const QString& fileName);
    bool ChangedOnDiskSinceOpened() const;
    void NoteFileOnDisk(const QString& fileName, bool damaged);
    bool ToneBurstShown() const;
    void ReadFromRadio(TTransferScope scope);
    void ShowReadData(bool completed);
    void WriteToRadio(TTransferScope scope);

    TSettingsStore& Store;
    QStringList Arguments;
    TRadioData RadioData;
    TUndoHistory UndoHistory;
    bool RestoringUndoStep = false;
    QString CurrentFileName;
    // The data file as this window last opened or saved it: when it is not so
    // on disk any more, Save asks before it replaces what someone else wrote.
    std::optional<TFileStamp> CurrentFileStamp;
    // A file that opened with the damaged-file warning: the first save over it
    // asks, and keeps the file's bytes as a backup first.
    QString DamagedFileName;
    QString SelectedPort;
    QString InitialFolder;
    bool ToneBurstOption = false;
    bool KeptFileProblemShown = false;
    bool ClipboardFormatRegistered = false;
    bool Shown = false;
};
