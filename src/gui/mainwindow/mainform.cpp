#include "gui/mainwindow/mainform.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "core/files/backups.h"
#include "core/files/settings.h"
#include "core/model/caption.h"
#include "core/model/channelview.h"
#include "core/model/commenttext.h"
#include "core/model/modelcatalogue.h"
#include "core/model/modelprofile.h"
#include "gui/dialogs/help.h"
#include "gui/dialogs/helpwindow.h"
#include "gui/dialogs/setupform.h"
#include "gui/dialogs/welcomeform.h"
#include "gui/editors/callform.h"
#include "gui/editors/dtmfform.h"
#include "gui/editors/memoryform.h"
#include "gui/editors/vfoform.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/channelspagecommands.h"
#include "gui/mainwindow/csvcommands.h"
#include "gui/mainwindow/editcommands.h"
#include "gui/mainwindow/filecommands.h"
#include "gui/mainwindow/helpcommands.h"
#include "gui/mainwindow/modelcommands.h"
#include "gui/mainwindow/portcommands.h"
#include "gui/mainwindow/radiocommands.h"
#include "gui/mainwindow/statuspanels.h"
#include "gui/mainwindow/undocommands.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/channelspage.h"
#include "gui/pages/menupages.h"

namespace {

constexpr int kClientWidth = 519;
constexpr int kClientHeight = 411;
constexpr int kCommentLength = 50;
constexpr int kChannelsPageHeight = 600;
constexpr int kNoticeMilliseconds = 20000;
constexpr int kGridHelpContext = 200;
constexpr int kChannelsPageHelpContext = 150;
constexpr int kMenuSettingsHelpContext = 205;

// A stored configuration that cannot be used is explained before the choice.
int RunFirstRunChoice(const QString& reason) {
    if (!reason.isEmpty()) ShowMessage(nullptr, reason, TMessageStyle::Warning);
    TSetupForm form;
    ExecModal(form);
    return form.SelectedRow();
}

}  // namespace

TMainForm::TMainForm(TSettingsStore& store, QStringList arguments, QWidget* parent)
    : TMainForm(store, std::move(arguments), TSplash::Shown, parent) {}

TMainForm::TMainForm(TSettingsStore& store, QStringList arguments, TSplash splash, QWidget* parent)
    : QMainWindow(parent), Store(store), Arguments(std::move(arguments)) {
    CurrentFileName = kUntitled;
    RadioData.OnMenuLayoutChanged = [this] { ShowMenuPages(); };
    // The window's controls are made while the splash is up, so the window is
    // there as soon as the splash goes.
    const auto build = [this] {
        BuildWindow();
        BuildCommands();
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        FitWindowToPage();
    };
    if (splash == TSplash::Shown) {
        ShowSplash(build);
    } else {
        build();
    }
    LoadConfiguration();
    SetupGrids();
    RadioData.ApplyDefaultRecords();
    UpdateCommentFont();
    RadioData.ApplyWeatherAlertDefault();
    RadioData.ApplyMenuDefaults();
    RefreshGrids();
    RadioData.Changed = false;
    UpdateCaption();
    UndoCommands->Reset();
}

// A cell still being edited is stored while the data set is there: closing the
// window hides it first, and so does destroying a window that was never closed.
TMainForm::~TMainForm() {
    hide();
}

// The menus and the toolbar's buttons follow once the commands are made.
void TMainForm::BuildWindow() {
    setFont(QFont(QStringLiteral("Times New Roman")));
    menuBar();
    AddToolbar();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 2);
    layout->setSpacing(3);
    setCentralWidget(central);
    BuildPages();
    layout->addWidget(PageTabs, 1);
    BuildCommentBox();
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(CommentLabel);
    commentRow->addWidget(CommentEdit, 1);
    layout->addLayout(commentRow);
    StatusPanels = new TStatusPanels(*statusBar());
}

void TMainForm::AddToolbar() {
    Toolbar = addToolBar(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar->setIconSize(QSize(20, 20));
    Toolbar->layout()->setContentsMargins(2, 0, 2, 0);
}

// Each group of commands makes its actions; the menus, the toolbar and the
// popup menus show them.
void TMainForm::BuildCommands() {
    UndoCommands = new TUndoCommands(*this, this);
    FileCommands = new TFileCommands(*this, *UndoCommands, Store, this);
    CsvCommands = new TCsvCommands(*this, this);
    PortCommands = new TPortCommands(*this, this);
    RadioCommands = new TRadioCommands(*this, *UndoCommands, *PortCommands, Store, this);
    ModelCommands = new TModelCommands(*this, *UndoCommands, this);
    const bool formatRegistered = RegisterRecordClipboardFormat();
    ChannelsPageCommands =
        new TChannelsPageCommands(*this, *ChannelsPage, *Grids, formatRegistered, this);
    EditCommands = new TEditCommands(*this, *UndoCommands, *Grids, *ChannelsPageCommands,
                                     formatRegistered, this);
    HelpCommands = new THelpCommands(*this, Store, this);
    const TMainCommands commands{*FileCommands,  *CsvCommands,  *UndoCommands,  *EditCommands,
                                 *RadioCommands, *PortCommands, *ModelCommands, *HelpCommands};
    Menu = BuildMainMenu(*this, commands);
    ToolbarButtons = BuildToolbar(*Toolbar, commands);
    ConnectPages();
    InstallContextHelp(*this);
}

// The window keeps its design size; only the Channels page lets it grow, to
// show the table's columns side by side.
void TMainForm::FitWindowToPage() {
    // The client area excludes the menu bar.
    const QSize design(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (PageTabs->currentWidget() != ChannelsTab) {
        setFixedSize(design);
        return;
    }
    setMinimumSize(design);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QSize wanted = design.expandedTo(QSize(
        ChannelsPage->WidthWanted() + width() - ChannelsPage->Table->width(), kChannelsPageHeight));
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableSize() - (frameGeometry().size() - size()));
    resize(wanted.expandedTo(size()));
}

void TMainForm::BuildPages() {
    PageTabs = new QTabWidget(this);
    PageTabs->setObjectName(QStringLiteral("PageControl1"));
    const auto makeTab = [this](const char* designName) {
        auto* tab = new QWidget(PageTabs);
        tab->setObjectName(QLatin1String(designName));
        return tab;
    };
    MemoryTab = makeTab("TabSheet1");
    MenuTab = makeTab("TabSheet2");
    Menu1Tab = makeTab("TabSheet3");
    Menu2Tab = makeTab("TabSheet4");
    ChannelsTab = makeTab("TabSheet5");
    PageTabs->addTab(MemoryTab, tr("Memor&y"));
    PageTabs->addTab(ChannelsTab, tr("Ch&annels"));
    PageTabs->addTab(MenuTab, tr("Me&nu"));
    PageTabs->addTab(Menu1Tab, tr("Menu&1"));
    PageTabs->addTab(Menu2Tab, tr("Menu&2"));
    // F1 where no control has a section of its own opens the page's.
    SetHelpContext(MemoryTab, kGridHelpContext);
    SetHelpContext(ChannelsTab, kChannelsPageHelpContext);
    for (QWidget* menuPage : {MenuTab, Menu1Tab, Menu2Tab}) {
        SetHelpContext(menuPage, kMenuSettingsHelpContext);
    }
    SetHelpContext(PageTabs, kGridHelpContext);
    Grids = new TChannelGrids(*MemoryTab, RadioData);
    MenuPages = new TMenuPages(*MenuTab, *Menu1Tab, *Menu2Tab, RadioData);
    ChannelsPage = new TChannelsPage(*ChannelsTab, *this);
    connect(Grids, &TChannelGrids::GridEntered, this, &TMainForm::UpdateStatusBar);
    connect(Grids, &TChannelGrids::EditorRequested, this, &TMainForm::OpenEditor);
    connect(PageTabs, &QTabWidget::currentChanged, this, &TMainForm::PageTabsChange);
    connect(ChannelsPage, &TChannelsPage::CurrentRowChanged, this, &TMainForm::UpdateStatusBar);
    connect(ChannelsPage->Table, &TChannelTableView::EditRefusedOnLeaving, this,
            &TMainForm::ReturnToRefusedEdit);
}

void TMainForm::BuildCommentBox() {
    CommentLabel = new QLabel(tr("Comment"), this);
    CommentEdit = new QLineEdit(this);
    CommentEdit->setObjectName(QStringLiteral("Edit2"));
    CommentEdit->setMaxLength(kCommentLength);
    SetHelpContext(CommentEdit, 105);
    CommentLabel->setBuddy(CommentEdit);
    connect(CommentEdit, &QLineEdit::textEdited, this, &TMainForm::CommentEditChange);
}

// The Channels page's popup menu leads with the Edit commands; its buttons
// lead on to the comment. Menu data and typing in the comment are undo steps.
void TMainForm::ConnectPages() {
    QMenu* popup = ChannelsPage->PopupMenu;
    QAction* first = popup->actions().value(0);
    popup->insertActions(first, {EditCommands->Cut, EditCommands->Copy, EditCommands->Paste,
                                 EditCommands->Delete, EditCommands->ChannelEditor});
    popup->insertSeparator(first);
    setTabOrder(ChannelsPage->LockoutButton, CommentEdit);
    PageTabs->tabBar()->installEventFilter(this);
    connect(MenuPages, &TMenuPages::DataChanged, UndoCommands, &TUndoCommands::RecordStep);
    // Typing makes one step until the text is left or confirmed.
    connect(CommentEdit, &QLineEdit::editingFinished, UndoCommands, &TUndoCommands::EndMerge);
}

void TMainForm::LoadConfiguration() {
    const TStartSettings start = LoadSettings(Store, RadioData, RunFirstRunChoice);
    FileCommands->SetDialogFolder(start.Folder);
    PortCommands->SelectPort(start.CommPort);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void TMainForm::FormShow() {
    setAcceptDrops(true);
    HandleCommandLine();
    UpdateMarketControls();
    EditCommands->UpdateActions();
}

void TMainForm::HandleCommandLine() {
    if (Arguments.isEmpty()) return;
    const QString& first = Arguments.constFirst();
    if (first == QLatin1String("/tbf") || first == QLatin1String("/TBF")) {
        ToneBurstOption = true;
        return;
    }
    ToneBurstOption = false;
    FileCommands->OpenStartFile(Arguments.join(QLatin1Char(' ')));
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    FileCommands->OpenDroppedFile(urls.constFirst().toLocalFile());
}

const QString& TMainForm::CommPort() const {
    return PortCommands->SelectedPort();
}

const QString& TMainForm::DialogFolder() const {
    return FileCommands->DialogFolder();
}

bool TMainForm::ConfirmDiscardChanges() {
    return FileCommands->ConfirmDiscardChanges();
}

bool TMainForm::LogCommunication() const {
    return RadioCommands->LogCommunication->isChecked();
}

// Said once a session: a folder that cannot be written stays so, and the
// exchanges go on without it.
void TMainForm::ShowKeptFileProblem(const QString& problem) {
    if (KeptFileProblemShown) return;
    KeptFileProblemShown = true;
    statusBar()->showMessage(problem, kNoticeMilliseconds);
}

void TMainForm::UpdateCaption() {
    setWindowTitle(WindowCaption(RadioData.GetModel(), RadioData.GetMarketCode(), CurrentFileName));
}

void TMainForm::SetFileName(const QString& fileName) {
    CurrentFileName = fileName;
    UpdateCaption();
}

void TMainForm::UpdateCommentFont() {
    // Japanese comments are typed in the Japanese system font.
    static const QString kJapaneseFont = QStringLiteral("ＭＳ　Ｐ明朝");
    QFont font = CommentEdit->font();
    font.setFamilies(ProfileOf(RadioData).JapaneseComment
                         ? QStringList{kJapaneseFont, QStringLiteral("Noto Serif CJK JP")}
                         : QStringList{QStringLiteral("Times New Roman")});
    CommentEdit->setFont(font);
}

// The menu page controls that depend on the market, the model, the channel
// count and the tone-burst option.
void TMainForm::UpdateMarketControls() {
    MenuPages->UpdateMarketControls(ToneBurstOption);
}

void TMainForm::ShowMenuPages() {
    const bool handheld = ProfileOf(RadioData).Menu == TMenuSet::Handheld;
    PageTabs->setTabVisible(PageTabs->indexOf(MenuTab), handheld);
    PageTabs->setTabVisible(PageTabs->indexOf(Menu1Tab), !handheld);
    PageTabs->setTabVisible(PageTabs->indexOf(Menu2Tab), !handheld);
}

void TMainForm::ShowComment() {
    CommentEdit->setText(CommentToText(RadioData.GetComment(), ProfileOf(RadioData)));
}

void TMainForm::CommentEditChange(const QString& text) {
    RadioData.SetComment(CommentFromText(text, ProfileOf(RadioData)));
    RadioData.Changed = true;
    UndoCommands->RecordStep(TUndoCommands::kCommentSource);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The settings are written first, so even a cancelled close has stored them.
    SaveSettingsOnClose(Store, RadioData, CommPort());
    if (ConfirmDiscardChanges()) {
        event->accept();
        CloseHelpWindow();  // the guide goes with the program
    } else {
        event->ignore();
    }
}

// The settings are written as on closing, and changes not yet saved are kept
// as an "unsaved" backup; the program ends without asking anything.
QString TMainForm::EndSession() {
    SaveSettingsOnClose(Store, RadioData, CommPort());
    if (!RadioData.Changed) return {};
    QString problem;
    const QString backup = SaveBackup(RadioData, QStringLiteral("unsaved"), problem);
    RadioData.Changed = false;  // dealt with: closing must not ask about it again
    if (backup.isEmpty()) return QStringLiteral("unsaved changes are lost: %1").arg(problem);
    return QStringLiteral("unsaved changes kept as %1").arg(QDir::toNativeSeparators(backup));
}

// Whatever a dialog did, the keyboard goes back to the grid of the Memory page,
// or to the table of the Channels page, when it closes, so a keystroke meant for
// the menu is not typed into the comment.
bool TMainForm::event(QEvent* event) {
    if (event->type() != DialogClosedEvent()) return QMainWindow::event(event);
    if (ShownPage() == TShownPage::Memory) Grids->FocusCurrentGrid();
    if (ShownPage() == TShownPage::Channels) ChannelsPage->Table->setFocus();
    return true;
}

// The page's tab letter (Alt+A) takes the keyboard to the table, also when the
// page is shown already.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PageTabs->tabBar() && event->type() == QEvent::Shortcut) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (ShownPage() == TShownPage::Channels) ChannelsPage->FocusTable();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

// After a dialog that rebuilt the grids the keyboard goes back to the memory grid, so
// the next keystroke is not typed into the comment box.
void TMainForm::FocusMemoryGrid() {
    if (ShownPage() == TShownPage::Memory) Grids->MemoryGrid->setFocus();
}

void TMainForm::ChangeModel(int row) {
    SaveChannelCount(Store, RadioData);
    ApplyConfiguration(RadioData, ModelCatalogue()[static_cast<size_t>(row)]);
    RadioData.ClearRecords();
    SetupGrids();
    RadioData.ApplyDefaultRecords();
    RadioData.ApplyMenuDefaults();
    UpdateCommentFont();
    RadioData.ApplyWeatherAlertDefault();
    RefreshGrids();
    UpdateMarketControls();
    Grids->SelectRow(TChannelGrids::kMemoryGrid, 1);
    CurrentFileName = kUntitled;
    RadioData.Changed = false;
    PageTabs->setCurrentWidget(MemoryTab);
    RadioData.SetComment({});
    ShowComment();
    UndoCommands->Reset();
}

void TMainForm::SetupGrids() {
    Grids->SetupGrids();
}

// Each grid opens its own editor on the selected row.
void TMainForm::OpenEditor(int grid) {
    switch (grid) {
        case TChannelGrids::kMemoryGrid:
            OpenMemoryEditor(*this);
            break;
        case TChannelGrids::kVfoGrid:
            OpenVfoEditor(*this);
            break;
        case TChannelGrids::kCallGrid:
            OpenCallEditor(*this);
            break;
        case TChannelGrids::kDtmfGrid:
            OpenDtmfEditor(*this);
            break;
        default:
            break;
    }
    // The memory editor may store several channels before it closes: one step for them all.
    UndoCommands->RecordStep();
}

void TMainForm::RefreshGrids() {
    Grids->RefreshGrids();
    ChannelsPage->Refresh();
    MenuPages->LoadFromSlots();
    UpdateStatusBar();
}

void TMainForm::CommitDataChange() {
    RefreshGrids();
    UndoCommands->RecordStep();
}

int TMainForm::SelectedMemoryRow() const {
    return Grids->SelectedRow(TChannelGrids::kMemoryGrid);
}

int TMainForm::SelectedDtmfRow() const {
    return Grids->SelectedRow(TChannelGrids::kDtmfGrid);
}

void TMainForm::MemoryLayoutChanged() {
    Grids->SetupMemoryGrid();
    Grids->SetupDtmfGrid();
    MenuPages->UpdateMemoryNameBoxes();
    RefreshGrids();
    Grids->SelectRow(TChannelGrids::kMemoryGrid, 1);
    FocusMemoryGrid();
}

void TMainForm::ShowMemoryPage() {
    PageTabs->setCurrentWidget(MemoryTab);
}

TShownPage TMainForm::ShownPage() const {
    const QWidget* page = PageTabs->currentWidget();
    if (page == MemoryTab) return TShownPage::Memory;
    return page == ChannelsTab ? TShownPage::Channels : TShownPage::Menu;
}

bool TMainForm::StoreCellEdit() {
    return ChannelsPage->StoreOpenEdit();
}

void TMainForm::ParkFocus() {
    PageTabs->setFocus();
}

void TMainForm::ReturnToRefusedEdit() {
    PageTabs->setCurrentWidget(ChannelsTab);
    ChannelsPage->Table->ReopenRefusedEdit();
}

void TMainForm::ShowDataSet(TDataSetShown reason) {
    switch (reason) {
        case TDataSetShown::Renewed:
            Grids->BlankCells();
            ShowComment();
            RefreshGrids();
            break;
        case TDataSetShown::Opened:
            ShowComment();
            SetupGrids();
            ShowMenuPages();
            RefreshGrids();
            // The channel count, and with it the memory name boxes, came from the file.
            UpdateMarketControls();
            break;
        case TDataSetShown::Read:
            ShowReadData();
            break;
        case TDataSetShown::Restored:
            ShowRestoredData();
            break;
        case TDataSetShown::ModelSelected:
            UpdateCaption();
            PageTabsChange();
            FocusMemoryGrid();
            break;
    }
}

// A read may have stopped anywhere, so the window is built again from the data set.
void TMainForm::ShowReadData() {
    SetupGrids();
    Grids->SelectRow(TChannelGrids::kMemoryGrid, 1);
    Grids->SelectRow(TChannelGrids::kDtmfGrid, 1);
    UpdateCommentFont();
    UpdateMarketControls();
    RefreshGrids();
    UpdateCaption();
    PageTabsChange();
}

// Any part of the data set may have changed, the channel count included, so the
// window is built again as after a read; the selected rows stay where they can.
void TMainForm::ShowRestoredData() {
    Grids->SetupGridsKeepingRows();
    UpdateCommentFont();
    ShowComment();
    ShowMenuPages();
    UpdateMarketControls();
    RefreshGrids();
    UpdateCaption();
    PageTabsChange();
}

void TMainForm::ShowStatusNote(const QString& text, int milliseconds) {
    statusBar()->showMessage(text, milliseconds);
}

void TMainForm::UpdateStatusBar() {
    if (ShownPage() == TShownPage::Channels) {
        ShowChannelsStatus();
        return;
    }
    if (ShownPage() != TShownPage::Memory) return;
    switch (Grids->CurrentGrid) {
        case TChannelGrids::kMemoryGrid:
            StatusPanels->Show(
                StatusTextsOf(RadioData, RadioData.GetChannel(Grids->RecordOfSelectedMemoryRow()),
                              TStatusSource::Memory));
            break;
        case TChannelGrids::kVfoGrid:
            StatusPanels->Show(StatusTextsOf(RadioData, RadioData.GetVfo(), TStatusSource::Vfo));
            break;
        case TChannelGrids::kCallGrid:
            StatusPanels->Show(StatusTextsOf(RadioData, RadioData.GetCall(), TStatusSource::Call));
            break;
        default:
            StatusPanels->Show(TStatusTexts{});  // the DTMF grid, or none entered yet
            break;
    }
}

void TMainForm::ShowChannelsStatus() {
    const int row = ChannelsPage->CurrentRow();
    if (row < 0) {
        StatusPanels->Clear();
        return;
    }
    StatusPanels->Show(StatusTextsOf(RadioData,
                                     RadioData.GetChannel(RadioData.RecordIndexOfPosition(row)),
                                     TStatusSource::Memory));
}

void TMainForm::PageTabsChange() {
    // The tab bar is no part of a page: F1 there opens the section of the page shown.
    SetHelpContext(PageTabs, HelpContextOf(PageTabs->currentWidget()));
    EditCommands->PageChanged();
    FitWindowToPage();
    if (ShownPage() != TShownPage::Menu) {
        UpdateStatusBar();
    } else {
        StatusPanels->Clear();
    }
    if (ShownPage() == TShownPage::Channels) ChannelsPage->FocusTable();
}
