#pragma once

#include <QMainWindow>
#include <QStringList>

#include "core/model/radiodata.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/mainmenu.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QToolBar;
class QWidget;
class TChannelGrids;
class TChannelsPage;
class TChannelsPageCommands;
class TCsvCommands;
class TEditCommands;
class TFileCommands;
class THelpCommands;
class TMenuPages;
class TModelCommands;
class TPortCommands;
class TRadioCommands;
class TSettingsStore;
class TStatusPanels;
class TUndoCommands;

// Whether building the main window shows the splash window first.
enum class TSplash { Shown, Skipped };

// The one main window: owns the data set and the pages that show it, and
// assembles the groups of commands that work on it.
class TMainForm : public QMainWindow, public TDocument {
    Q_OBJECT
public:
    // The settings store outlives the window; `arguments` are the program's
    // command-line arguments without the program name.
    TMainForm(TSettingsStore& store, QStringList arguments, QWidget* parent = nullptr);
    TMainForm(TSettingsStore& store, QStringList arguments, TSplash splash,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the dialogs see of this window.
    QWidget* Window() override { return this; }
    TRadioData& Data() override { return RadioData; }
    const QString& FileName() const override { return CurrentFileName; }
    const QString& CommPort() const override;
    const QString& DialogFolder() const override;
    bool ToneBurst() const override { return ToneBurstOption; }
    int SelectedMemoryRow() const override;
    int SelectedDtmfRow() const override;
    void RefreshGrids() override;
    void CommitDataChange() override;
    void MemoryLayoutChanged() override;
    bool ConfirmDiscardChanges() override;
    void ChangeModel(int row) override;
    void ShowMemoryPage() override;
    void ShowStatusNote(const QString& text, int milliseconds) override;
    bool LogCommunication() const override;
    void ShowKeptFileProblem(const QString& problem) override;

    // What the commands see of it besides.
    void SetFileName(const QString& fileName) override;
    TShownPage ShownPage() const override;
    bool StoreCellEdit() override;
    void ParkFocus() override;
    void ShowDataSet(TDataSetShown reason) override;
    void OpenEditor(int grid) override;

    // Shows the data set's comment in the comment box.
    void ShowComment();
    // The session is ending (logout, shutdown, a terminal closed) and no
    // question can be asked: the settings are written and unsaved changes kept
    // as a backup. Returns what the terminal should be told of it (empty when
    // there was nothing to keep).
    QString EndSession();

    // The commands, each group with its actions.
    TFileCommands* FileCommands = nullptr;
    TCsvCommands* CsvCommands = nullptr;
    TUndoCommands* UndoCommands = nullptr;
    TChannelsPageCommands* ChannelsPageCommands = nullptr;
    TEditCommands* EditCommands = nullptr;
    TPortCommands* PortCommands = nullptr;
    TRadioCommands* RadioCommands = nullptr;
    TModelCommands* ModelCommands = nullptr;
    THelpCommands* HelpCommands = nullptr;
    TMainMenu Menu;
    TToolbarButtons ToolbarButtons;

    // The controls; their object names are the design names (PageControl1,
    // TabSheet1..TabSheet5, Edit2).
    QTabWidget* PageTabs = nullptr;
    QWidget* MemoryTab = nullptr;    // "Memor&y"
    QWidget* MenuTab = nullptr;      // "Me&nu" (handhelds)
    QWidget* Menu1Tab = nullptr;     // "Menu&1" (mobiles)
    QWidget* Menu2Tab = nullptr;     // "Menu&2" (mobiles)
    QWidget* ChannelsTab = nullptr;  // "Ch&annels"
    QLabel* CommentLabel = nullptr;
    QLineEdit* CommentEdit = nullptr;
    TStatusPanels* StatusPanels = nullptr;
    TChannelGrids* Grids = nullptr;
    TMenuPages* MenuPages = nullptr;
    TChannelsPage* ChannelsPage = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateCaption();
    void UpdateCommentFont();
    void UpdateMarketControls();
    void ShowMenuPages();
    void SetupGrids();
    void UpdateStatusBar();
    void PageTabsChange();
    void FocusMemoryGrid();
    void BuildWindow();
    void AddToolbar();
    void BuildPages();
    void AddTab(QWidget*& tab, const char* designName, const QString& caption);
    void BuildCommentBox();
    void BuildCommands();
    void ConnectPages();
    void FitWindowToPage();
    void LoadConfiguration();
    void FormShow();
    void HandleCommandLine();
    void ShowReadData();
    void ShowRestoredData();
    void ShowChannelsStatus();
    void CommentEditChange(const QString& text);
    // An edit of the table refused as the user went to another page or control.
    void ReturnToRefusedEdit();

    TSettingsStore& Store;
    QStringList Arguments;
    TRadioData RadioData;
    QString CurrentFileName;
    QToolBar* Toolbar = nullptr;
    bool ToneBurstOption = false;
    bool KeptFileProblemShown = false;
    bool Shown = false;
};
