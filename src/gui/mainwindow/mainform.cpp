#include "gui/mainwindow/mainform.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/files/datafile.h"
#include "core/files/settings.h"
#include "core/model/caption.h"
#include "core/model/channelview.h"
#include "core/model/commenttext.h"
#include "core/model/modelcatalogue.h"
#include "core/model/modelprofile.h"
#include "core/ports/portmap.h"
#include "core/ports/portnames.h"
#include "core/radio/kcomm.h"
#include "gui/dialogs/modelform.h"
#include "gui/dialogs/setupform.h"
#include "gui/dialogs/welcomeform.h"
#include "gui/editors/callform.h"
#include "gui/editors/dtmfform.h"
#include "gui/editors/memoryform.h"
#include "gui/editors/vfoform.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/channelspage.h"
#include "gui/pages/mchannelform.h"
#include "gui/pages/menupages.h"
#include "gui/pages/printing.h"
#include "gui/pages/sortform.h"
#include "gui/radio/portsform.h"

namespace {

constexpr int kClientWidth = 519;
constexpr int kClientHeight = 411;
constexpr int kCommentLength = 50;
constexpr int kStatusPanelWidths[] = {180, 40, 105, 50};
constexpr int kChannelsPageHeight = 600;

// A status panel reads "label : value"; these labels are shown in the window's language,
// the values and the tone marks (T, CT, DCS) as they are.
constexpr const char* kStatusLabels[] = {QT_TRANSLATE_NOOP("StatusBar", "Tx Freq."),
                                         QT_TRANSLATE_NOOP("StatusBar", "Offset"),
                                         QT_TRANSLATE_NOOP("StatusBar", "Programmable VFO")};

QString ShownStatusText(const QString& text) {
    for (const char* label : kStatusLabels) {
        if (text.startsWith(QLatin1String(label) + QLatin1String(" : "))) {
            return QCoreApplication::translate("StatusBar", label) + text.mid(qstrlen(label));
        }
    }
    return text;
}

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
        ConnectCommands();
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
    FormCreate();
    ResetUndoHistory();
}

// A cell still being edited is stored while the data set is there: closing the
// window hides it first, and so does destroying a window that was never closed.
TMainForm::~TMainForm() {
    hide();
}

void TMainForm::BuildWindow() {
    setFont(QFont(QStringLiteral("Times New Roman")));
    Menu = BuildMainMenu(*this);
    auto* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->setIconSize(QSize(20, 20));
    toolbar->layout()->setContentsMargins(2, 0, 2, 0);
    SpeedButtons = BuildSpeedButtons(*toolbar);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 2);
    layout->setSpacing(3);
    setCentralWidget(central);
    BuildPages();
    layout->addWidget(PageControl1, 1);
    BuildCommentBox();
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(CommentLabel);
    commentRow->addWidget(Edit2, 1);
    layout->addLayout(commentRow);
    BuildStatusBar();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    FitWindowToPage();
}

// The window keeps its design size; only the Channels page lets it grow, to
// show the table's columns side by side.
void TMainForm::FitWindowToPage() {
    // The client area excludes the menu bar.
    const QSize design(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (PageControl1->currentWidget() != TabSheet5) {
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
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget(PageControl1);
    TabSheet2 = new QWidget(PageControl1);
    TabSheet3 = new QWidget(PageControl1);
    TabSheet4 = new QWidget(PageControl1);
    TabSheet5 = new QWidget(PageControl1);
    PageControl1->addTab(TabSheet1, tr("Memor&y"));
    PageControl1->addTab(TabSheet5, tr("Ch&annels"));
    PageControl1->addTab(TabSheet2, tr("Me&nu"));
    PageControl1->addTab(TabSheet3, tr("Menu&1"));
    PageControl1->addTab(TabSheet4, tr("Menu&2"));
    Grids = new TChannelGrids(*TabSheet1, RadioData);
    MenuPages = new TMenuPages(*TabSheet2, *TabSheet3, *TabSheet4, RadioData);
    ChannelsPage = new TChannelsPage(*TabSheet5, *this);
    connect(Grids, &TChannelGrids::GridEntered, this, &TMainForm::UpdateStatusBar);
    connect(Grids, &TChannelGrids::EditorRequested, this, &TMainForm::OpenEditor);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageControl1Change);
    ConnectChannelsPage();
}

void TMainForm::BuildCommentBox() {
    CommentLabel = new QLabel(tr("Comment"), this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(kCommentLength);
    SetHelpContext(Edit2, 105);
    CommentLabel->setBuddy(Edit2);
    connect(Edit2, &QLineEdit::textEdited, this, &TMainForm::Edit2Change);
}

void TMainForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    // A panel is at least its designed width and grows to show its whole text; the last
    // one takes the rest of the bar.
    const int count = static_cast<int>(std::size(kStatusPanelWidths));
    for (int index = 0; index < count; ++index) {
        auto* panel = new QLabel(bar);
        panel->setMinimumWidth(kStatusPanelWidths[index]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel, index == count - 1 ? 1 : 0);
        StatusPanels.append(panel);
    }
    StatusPanels[1]->setAlignment(Qt::AlignCenter);
}

void TMainForm::ConnectCommands() {
    connect(Menu.New1, &QAction::triggered, this, &TMainForm::New1Click);
    connect(Menu.Open1, &QAction::triggered, this, &TMainForm::Open1Click);
    connect(Menu.OpenRecent, &QMenu::aboutToShow, this, &TMainForm::FillRecentMenu);
    connect(Menu.Save1, &QAction::triggered, this, &TMainForm::Save1Click);
    connect(Menu.Save2, &QAction::triggered, this, &TMainForm::Save2Click);
    connect(Menu.Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(Menu.ModelSelect1, &QAction::triggered, this, &TMainForm::ModelSelect1Click);
    for (QAction* item : std::as_const(Menu.ComItems)) {
        connect(item, &QAction::triggered, this,
                [this, item] { ComItemClick(item->data().toInt()); });
    }
    connect(Menu.PortSelect1, &QMenu::aboutToShow, this, &TMainForm::ShowPortDevices);
    connect(Menu.Ports, &QAction::triggered, this, &TMainForm::PortsClick);
    connect(SpeedButtons.SpeedButton7, &QToolButton::clicked, this, &TMainForm::New1Click);
    connect(SpeedButtons.SpeedButton6, &QToolButton::clicked, this, &TMainForm::Open1Click);
    connect(SpeedButtons.SpeedButton8, &QToolButton::clicked, this, &TMainForm::Save1Click);
    // What is printed includes the cell being edited on the Channels page.
    const auto print = [this] {
        if (StoreCellEdit()) PrintDataSet(*this);
    };
    connect(Menu.Print1, &QAction::triggered, this, print);
    connect(SpeedButtons.SpeedButton9, &QToolButton::clicked, this, print);
    connect(Menu.ExportPdf, &QAction::triggered, this, [this] {
        if (StoreCellEdit()) ExportListingPdf(*this);
    });
    connect(Menu.MemorySort1, &QAction::triggered, this, [this] {
        OpenSortForm(*this);
        RecordUndoStep();
    });
    connect(Menu.MemoryChannelSelect1, &QAction::triggered, this, [this] {
        OpenMChannelForm(*this);
        RecordUndoStep();
    });
    ConnectRadioTransfers();
    ConnectEditCommands();
    ConnectWorkspaceCommands();
    ConnectCsvCommands();
    ConnectKeptFileCommands();
    ConnectUndoCommands();
}

void TMainForm::LoadConfiguration() {
    const TStartSettings start = LoadSettings(Store, RadioData, RunFirstRunChoice);
    InitialFolder = start.Folder;
    SelectedPort = start.CommPort;
    TickPortItem(PortNumberOf(SelectedPort));
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
    UpdateEditCommands();
}

void TMainForm::UpdateCaption() {
    setWindowTitle(WindowCaption(RadioData.GetModel(), RadioData.GetMarketCode(), CurrentFileName));
}

void TMainForm::UpdateCommentFont() {
    // Japanese comments are typed in the Japanese system font.
    static const QString kJapaneseFont = QStringLiteral("ＭＳ　Ｐ明朝");
    QFont font = Edit2->font();
    font.setFamilies(ProfileOf(RadioData).JapaneseComment
                         ? QStringList{kJapaneseFont, QStringLiteral("Noto Serif CJK JP")}
                         : QStringList{QStringLiteral("Times New Roman")});
    Edit2->setFont(font);
}

// The menu page controls that depend on the market, the model, the channel
// count and the tone-burst option.
void TMainForm::UpdateMarketControls() {
    MenuPages->UpdateMarketControls(ToneBurstOption);
}

void TMainForm::ShowMenuPages() {
    const bool handheld = ProfileOf(RadioData).MenuPages() == TMenuPageSet::Handheld;
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet2), handheld);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet3), !handheld);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet4), !handheld);
}

void TMainForm::ShowComment() {
    Edit2->setText(CommentToText(RadioData.GetComment(), ProfileOf(RadioData)));
}

void TMainForm::Edit2Change(const QString& text) {
    RadioData.SetComment(CommentFromText(text, ProfileOf(RadioData)));
    RadioData.Changed = true;
    RecordUndoStep(kCommentUndoSource);
}

void TMainForm::TickPortItem(int number) {
    for (QAction* item : std::as_const(Menu.ComItems))
        item->setChecked(item->data().toInt() == number);
}

void TMainForm::SetFileName(const QString& fileName) {
    CurrentFileName = fileName;
    UpdateCaption();
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The settings are written first, so even a cancelled close has stored them.
    SaveSettingsOnClose(Store, RadioData, SelectedPort);
    if (ConfirmDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainForm::ModelSelect1Click() {
    TModelForm form(*this);
    ExecModal(form);
    UpdateCaption();
    PageControl1Change();
    FocusMemoryGrid();
}

// Whatever a dialog did, the keyboard goes back to the grid of the Memory page,
// or to the table of the Channels page, when it closes, so a keystroke meant for
// the menu is not typed into the comment.
bool TMainForm::event(QEvent* event) {
    if (event->type() != DialogClosedEvent()) return QMainWindow::event(event);
    if (PageControl1->currentWidget() == TabSheet1) Grids->FocusCurrentGrid();
    if (ChannelsPageShown()) ChannelsPage->Table->setFocus();
    return true;
}

// After a dialog that rebuilt the grids the keyboard goes back to the memory grid, so
// the next keystroke is not typed into the comment box.
void TMainForm::FocusMemoryGrid() {
    if (PageControl1->currentWidget() == TabSheet1) Grids->MemoryGrid->setFocus();
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
    PageControl1->setCurrentWidget(TabSheet1);
    RadioData.SetComment({});
    ShowComment();
    ResetUndoHistory();
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
    RecordUndoStep();
}

void TMainForm::RefreshGrids() {
    Grids->RefreshGrids();
    ChannelsPage->Refresh();
    MenuPages->LoadFromSlots();
    UpdateStatusBar();
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
    PageControl1->setCurrentWidget(TabSheet1);
}

void TMainForm::ShowStatusNote(const QString& text, int milliseconds) {
    statusBar()->showMessage(text, milliseconds);
}

void TMainForm::UpdateStatusBar() {
    if (ChannelsPageShown()) {
        ShowChannelsStatus();
        return;
    }
    if (PageControl1->currentWidget() != TabSheet1) return;
    TStatusTexts texts;
    switch (Grids->CurrentGrid) {
        case TChannelGrids::kMemoryGrid:
            texts =
                StatusTextsOf(RadioData, RadioData.GetChannel(Grids->RecordOfSelectedMemoryRow()),
                              TStatusSource::Memory);
            break;
        case TChannelGrids::kVfoGrid:
            texts = StatusTextsOf(RadioData, RadioData.GetVfo(), TStatusSource::Vfo);
            break;
        case TChannelGrids::kCallGrid:
            texts = StatusTextsOf(RadioData, RadioData.GetCall(), TStatusSource::Call);
            break;
        default:
            break;  // the DTMF grid, or none entered yet
    }
    ShowStatusTexts({QString::fromLatin1(texts.Frequency), QString::fromLatin1(texts.Shift),
                     QString::fromLatin1(texts.Tone), QString::fromLatin1(texts.ProgramVfo)});
}

void TMainForm::ShowStatusTexts(const QStringList& texts) {
    for (int panel = 0; panel < StatusPanels.size(); ++panel) {
        StatusPanels[panel]->setText(panel < texts.size() ? ShownStatusText(texts[panel])
                                                          : QString());
    }
}

void TMainForm::PageControl1Change() {
    const bool memoryPage = PageControl1->currentWidget() == TabSheet1;
    const bool channelPage = memoryPage || ChannelsPageShown();
    // Undo and Redo serve every page; the channel commands only the grids and the table.
    Menu.Copy1->setEnabled(channelPage);
    Menu.ChannelEditor->setEnabled(channelPage);
    Menu.MemorySort1->setEnabled(memoryPage);
    SpeedButtons.SpeedButton1->setEnabled(channelPage);
    SpeedButtons.SpeedButton2->setEnabled(channelPage);
    UpdateEditCommands();
    FitWindowToPage();
    if (channelPage) {
        UpdateStatusBar();
    } else {
        ShowStatusTexts({});
    }
    if (ChannelsPageShown()) ChannelsPage->FocusTable();
}

void TMainForm::ComItemClick(int number) {
    TKComm probe;
    if (probe.CheckCommportValid(PortDeviceName(number))) {
        SelectedPort = PortText(number);
        TickPortItem(number);
        return;
    }
    const QString port = PortText(number);
    ShowMessage(this,
                QCoreApplication::translate(
                    "Messages", "The %1 port is unavailable.\nPlease check the %1 port status.")
                    .arg(port),
                TMessageStyle::Warning);
    // The earlier choice stays ticked; the refused item loses the tick its click gave it.
    TickPortItem(PortNumberOf(SelectedPort));
}

bool TMainForm::CheckSelectedPort() {
    TKComm probe;
    if (probe.CheckCommportValid(SelectedPortDeviceName(SelectedPort))) return true;
    ShowMessage(this,
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "Messages",
                    "The selected COM port is unavailable.\nPlease check the COM port status.")),
                TMessageStyle::Warning);
    return false;
}

void TMainForm::PortsClick() {
    TPortsForm form(this);
    ExecModal(form);
}

// Each port item tells which device it stands for.
void TMainForm::ShowPortDevices() {
    for (QAction* item : std::as_const(Menu.ComItems)) {
        const QString device =
            QString::fromStdString(ResolvePortName(PortDeviceName(item->data().toInt())));
        item->setStatusTip(device);
        item->setToolTip(device);
    }
}
