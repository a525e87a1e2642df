#pragma once

#include <QMainWindow>
#include <QStringList>

#include "core/model/radiodata.h"
#include "core/model/undohistory.h"
#include "core/radio/exchange.h"
#include "gui/mainwindow/mainmenu.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class TChannelGrids;
class TMenuPages;
class TSettingsStore;

// Whether building the main window shows the splash window first.
enum class TSplash { Shown, Skipped };

// The one main window: owns the data set and the current file name, and runs
// the File commands and the frame around everything else.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The settings store outlives the window; `arguments` are the program's
    // command-line arguments without the program name.
    TMainForm(TSettingsStore& store, QStringList arguments, QWidget* parent = nullptr);
    TMainForm(TSettingsStore& store, QStringList arguments, TSplash splash,
              QWidget* parent = nullptr);

    TRadioData& Data() { return RadioData; }
    const QString& FileName() const { return CurrentFileName; }
    const QString& CommPort() const { return SelectedPort; }
    const QString& DialogFolder() const { return InitialFolder; }
    bool ToneBurst() const { return ToneBurstOption; }

    // Shared steps the other windows call.
    void UpdateCaption();
    void UpdateCommentFont();
    void UpdateMarketControls();
    void ShowMenuPages();
    void ShowComment();
    void TickPortItem(int number);
    void SetupGrids();
    void RefreshGrids();
    void UpdateStatusBar();
    void PageControl1Change();
    void OpenEditor(int grid);
    // The changed-data question; false when the command must be abandoned.
    bool ConfirmDiscardChanges();
    // Radio > Log Communication is on: every exchange writes a communication log.
    bool LogCommunication() const;
    // Tells the user, once, without stopping anything, that a backup or log
    // could not be kept.
    void ShowKeptFileProblem(const QString& problem);
    // The configuration change of Model Select, to catalogue row 0..14.
    void ChangeModel(int row);

    // Commands.
    void New1Click();
    void Open1Click();
    void OpenBackup1Click();
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
    void Ports1Click();
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
    void ImportCsv1Click();
    void ExportCsv1Click();
    // Radio > Channel Display, Help > Help Topics, Help > About.
    void ChannelDisplay1Click();
    void Help2Click();
    void About1Click();
    // The channel clipboard commands and their enabling.
    void UpdateEditCommands();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void Lockout2Click();
    void PopupMenu1Popup();
    // Edit > Undo and Redo, and the steps every change on the user's behalf records.
    // Typing merges into one step per source: the comment, or a menu slot 1..36.
    static constexpr int kCommentUndoSource = 0;
    void RecordUndoStep(int mergeSource = TUndoHistory::kSeparateStep);
    void ResetUndoHistory();
    void UpdateUndoCommands();
    void Undo1Click();
    void Redo1Click();

    // Controls, named as the window knows them.
    TMainMenu Menu;
    TSpeedButtons SpeedButtons;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "Memor&y"
    QWidget* TabSheet2 = nullptr;  // "Me&nu" (handhelds)
    QWidget* TabSheet3 = nullptr;  // "Menu&1" (mobiles)
    QWidget* TabSheet4 = nullptr;  // "Menu&2" (mobiles)
    QLabel* CommentLabel = nullptr;
    QLineEdit* Edit2 = nullptr;  // the comment
    QList<QLabel*> StatusPanels;
    TChannelGrids* Grids = nullptr;
    TMenuPages* MenuPages = nullptr;
    TGridPopupMenus PopupMenus;

protected:
    void closeEvent(QCloseEvent* event) override;
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
    void ShowRestoredData();
    void FormCreate();
    void LoadConfiguration();
    void FormShow();
    void HandleCommandLine();
    bool LoadDataFile(const QString& path);
    bool OpenFromDialog(const QString& folder);
    void ConnectKeptFileCommands();
    void RememberFolder();
    void ShowStatusTexts(const QStringList& texts);
    void ShowPortDevices();
    void Edit2Change(const QString& text);
    void SetFileName(const QString& fileName);
    bool WriteTo(const QString& fileName);
    bool ToneBurstShown() const;
    void ReadFromRadio(TTransferScope scope);
    void ShowReadData();
    void WriteToRadio(TTransferScope scope);

    TSettingsStore& Store;
    QStringList Arguments;
    TRadioData RadioData;
    TUndoHistory UndoHistory;
    bool RestoringUndoStep = false;
    QString CurrentFileName;
    QString SelectedPort;
    QString InitialFolder;
    bool ToneBurstOption = false;
    bool KeptFileProblemShown = false;
    bool ClipboardFormatRegistered = false;
    bool Shown = false;
};

// The file name of a document that has none.
inline const QString kUntitled = QStringLiteral("Untitled");
