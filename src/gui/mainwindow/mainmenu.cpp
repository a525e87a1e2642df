#include "gui/mainwindow/mainmenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/ports/portnames.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/language.h"
#include "gui/kit/toolbaricons.h"

namespace {

// The menus' and tool buttons' words; the shortcuts and the port and language names stay as they
// are.
QString Translated(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

QAction* AddItem(QMenu* menu, const QString& caption, int helpContext,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    SetHelpContext(action, helpContext);
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const QString& caption, int helpContext) {
    QMenu* submenu = menu->addMenu(caption);
    SetHelpContext(submenu->menuAction(), helpContext);
    return submenu;
}

void BuildFileMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.File1 = bar->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "&File")));
    menu.New1 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&New")), 5,
                        QKeySequence(QStringLiteral("Ctrl+N")));
    menu.Open1 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Open...")), 10,
                         QKeySequence(QStringLiteral("Ctrl+O")));
    menu.OpenBackup =
        AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Open &Backup...")), 10);
    menu.OpenRecent =
        menu.File1->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "Open &Recent")));
    menu.Save1 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Save")), 15,
                         QKeySequence(QStringLiteral("Ctrl+S")));
    menu.Save2 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Save &As...")), 20);
    menu.File1->addSeparator();
    menu.Print1 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Print...")), 25,
                          QKeySequence(QStringLiteral("Ctrl+P")));
    menu.ExportPdf = AddItem(
        menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Export Listing as PDF...")), 25);
    menu.ImportCsv =
        AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Import CSV...")), 25);
    menu.ExportCsv =
        AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Export &CSV...")), 25);
    menu.File1->addSeparator();
    menu.Exit1 = AddItem(menu.File1, Translated(QT_TRANSLATE_NOOP("MainMenu", "E&xit")), 30,
                         QKeySequence(QStringLiteral("Ctrl+Q")));
}

// The channel commands; the popup menus repeat them without the shortcuts.
struct TEditItem {
    const char* Caption;
    int HelpContext;
    const char* Shortcut;
};
constexpr TEditItem kCutItem{QT_TRANSLATE_NOOP("MainMenu", "Cu&t"), 40, "Ctrl+X"};
constexpr TEditItem kCopyItem{QT_TRANSLATE_NOOP("MainMenu", "&Copy"), 45, "Ctrl+C"};
constexpr TEditItem kPasteItem{QT_TRANSLATE_NOOP("MainMenu", "&Paste"), 50, "Ctrl+V"};
constexpr TEditItem kDeleteItem{QT_TRANSLATE_NOOP("MainMenu", "&Delete"), 55, "Ctrl+Del"};

QAction* AddEditItem(QMenu* menu, const TEditItem& item, bool withShortcut) {
    const QKeySequence shortcut =
        withShortcut ? QKeySequence(QString::fromLatin1(item.Shortcut)) : QKeySequence();
    return AddItem(menu, Translated(item.Caption), item.HelpContext, shortcut);
}

// Undo and Redo take back and bring back changes to the data set. Redo answers
// to both the Windows and the desktop habit.
void AddUndoItems(TMainMenu& menu) {
    menu.Undo = AddItem(menu.Edit1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Undo")), 38,
                        QKeySequence(QStringLiteral("Ctrl+Z")));
    menu.Redo = AddItem(menu.Edit1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Redo")), 39);
    menu.Redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    menu.Edit1->addSeparator();
}

void BuildEditMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Edit1 = bar->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "&Edit")));
    AddUndoItems(menu);
    menu.Cut1 = AddEditItem(menu.Edit1, kCutItem, true);
    menu.Copy1 = AddEditItem(menu.Edit1, kCopyItem, true);
    menu.Paste1 = AddEditItem(menu.Edit1, kPasteItem, true);
    menu.Delete1 = AddEditItem(menu.Edit1, kDeleteItem, true);
    // The Delete key alone as well; in a text box it stays the box's own.
    menu.Delete1->setShortcuts({menu.Delete1->shortcut(), QKeySequence(Qt::Key_Delete)});
    menu.Edit1->addSeparator();
    menu.ChannelEditor =
        AddItem(menu.Edit1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Channel &Editor...")), 105,
                QKeySequence(QStringLiteral("Ctrl+E")));
    menu.MemorySort1 = AddItem(
        menu.Edit1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Memory Channel &Sort...")), 60);
}

QString ComCaption(int number) {
    // The accelerator sits on the last digit for COM10 and on the first for the others.
    if (number == 10) return QStringLiteral("Com1&0");
    return QStringLiteral("Com&%1").arg(number);
}

void BuildPortMenu(QMenu* radio, TMainMenu& menu) {
    menu.PortSelect1 =
        AddSubmenu(radio, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Port Select")), 75);
    menu.PortSelect1->setToolTipsVisible(true);
    // Only the program checks and unchecks these items, so they do not form an exclusive group.
    menu.ComGroup = new QActionGroup(menu.PortSelect1);
    menu.ComGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int number = 1; number <= kPortCount; ++number) {
        QAction* item = AddItem(menu.PortSelect1, ComCaption(number), 75);
        item->setCheckable(true);
        item->setData(number);
        menu.ComGroup->addAction(item);
        menu.ComItems.append(item);
    }
    menu.PortSelect1->addSeparator();
    menu.Ports =
        AddItem(menu.PortSelect1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Po&rts...")), 75);
}

void BuildRadioMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Radio1 = bar->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "&Radio")));
    menu.Read1 = AddSubmenu(menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Read")), 65);
    menu.ReadAll1 = AddItem(menu.Read1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&All")), 65);
    menu.ReadMemory1 =
        AddItem(menu.Read1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Memory")), 65);
    menu.ReadMenu1 = AddItem(menu.Read1, Translated(QT_TRANSLATE_NOOP("MainMenu", "M&enu")), 65);
    menu.Write1 = AddSubmenu(menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Write")), 70);
    menu.WriteAll1 = AddItem(menu.Write1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&All")), 70);
    menu.WriteMemory1 =
        AddItem(menu.Write1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Memory")), 70);
    menu.WriteMenu1 = AddItem(menu.Write1, Translated(QT_TRANSLATE_NOOP("MainMenu", "M&enu")), 70);
    menu.Write1->addSeparator();
    menu.VerifyAfterWriting = AddItem(
        menu.Write1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Verify after writing")), 70);
    menu.VerifyAfterWriting->setCheckable(true);
    menu.Radio1->addSeparator();
    BuildPortMenu(menu.Radio1, menu);
    menu.LogCommunication =
        AddItem(menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Log Communication")), 115);
    menu.LogCommunication->setCheckable(true);
    menu.Radio1->addSeparator();
    menu.ChannelDisplay1 =
        AddItem(menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Channel Display...")), 80);
    menu.MemoryChannelSelect1 = AddItem(
        menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Memory Channel Select...")), 85);
    menu.ModelSelect1 =
        AddItem(menu.Radio1, Translated(QT_TRANSLATE_NOOP("MainMenu", "Model &Select...")), 90);
}

void BuildHelpMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Help1 = bar->addMenu(Translated(QT_TRANSLATE_NOOP("MainMenu", "&Help")));
    menu.Help2 = AddItem(menu.Help1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Help Topics")), 95);
    menu.Language =
        AddSubmenu(menu.Help1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Language")), 95);
    menu.LanguageItems = new QActionGroup(menu.Language);
    const auto addLanguage = [&menu](const QString& name, const QString& code) {
        QAction* item = menu.Language->addAction(name);
        item->setCheckable(true);
        item->setData(code);
        menu.LanguageItems->addAction(item);
    };
    addLanguage(Translated(QT_TRANSLATE_NOOP("MainMenu", "System Language")), QString());
    for (const TLanguage& language : Languages()) {
        addLanguage(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    }
    menu.Help1->addSeparator();
    menu.About1 = AddItem(menu.Help1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&About...")), 100);
}

QToolButton* AddSpeedButton(QToolBar& toolbar, TToolbarGlyph glyph, const QString& hint) {
    auto* button = new QToolButton(&toolbar);
    button->setIcon(ToolbarIcon(glyph, toolbar.palette()));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    toolbar.addWidget(button);
    return button;
}

}  // namespace

TMainMenu BuildMainMenu(QMainWindow& window) {
    TMainMenu menu;
    QMenuBar* bar = window.menuBar();
    BuildFileMenu(bar, menu);
    BuildEditMenu(bar, menu);
    BuildRadioMenu(bar, menu);
    BuildHelpMenu(bar, menu);
    return menu;
}

TGridPopupMenus BuildGridPopupMenus(QWidget& owner) {
    TGridPopupMenus menus;
    menus.PopupMenu1 = new QMenu(&owner);
    menus.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    menus.Cut2 = AddEditItem(menus.PopupMenu1, kCutItem, false);
    menus.Copy2 = AddEditItem(menus.PopupMenu1, kCopyItem, false);
    menus.Paste2 = AddEditItem(menus.PopupMenu1, kPasteItem, false);
    menus.Delete2 = AddEditItem(menus.PopupMenu1, kDeleteItem, false);
    menus.PopupMenu1->addSeparator();
    menus.Lockout2 =
        AddItem(menus.PopupMenu1, Translated(QT_TRANSLATE_NOOP("MainMenu", "&Lock Out")), 545);

    menus.PopupMenu2 = new QMenu(&owner);
    menus.PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    menus.Copy3 = AddEditItem(menus.PopupMenu2, kCopyItem, false);
    menus.Paste3 = AddEditItem(menus.PopupMenu2, kPasteItem, false);

    menus.PopupMenu3 = new QMenu(&owner);
    menus.PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    menus.Cut4 = AddEditItem(menus.PopupMenu3, kCutItem, false);
    menus.Copy4 = AddEditItem(menus.PopupMenu3, kCopyItem, false);
    menus.Paste4 = AddEditItem(menus.PopupMenu3, kPasteItem, false);
    menus.Delete4 = AddEditItem(menus.PopupMenu3, kDeleteItem, false);
    return menus;
}

TSpeedButtons BuildSpeedButtons(QToolBar& toolbar) {
    TSpeedButtons buttons;
    buttons.SpeedButton7 = AddSpeedButton(toolbar, TToolbarGlyph::New,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "New")));
    buttons.SpeedButton6 = AddSpeedButton(toolbar, TToolbarGlyph::Open,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Open")));
    buttons.SpeedButton8 = AddSpeedButton(toolbar, TToolbarGlyph::Save,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Save")));
    toolbar.addSeparator();
    buttons.SpeedButton2 = AddSpeedButton(toolbar, TToolbarGlyph::Cut,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Cut")));
    buttons.SpeedButton1 = AddSpeedButton(toolbar, TToolbarGlyph::Copy,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Copy")));
    buttons.SpeedButton3 = AddSpeedButton(toolbar, TToolbarGlyph::Paste,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Paste")));
    toolbar.addSeparator();
    buttons.UndoButton = AddSpeedButton(toolbar, TToolbarGlyph::Undo,
                                        Translated(QT_TRANSLATE_NOOP("MainMenu", "Undo")));
    buttons.RedoButton = AddSpeedButton(toolbar, TToolbarGlyph::Redo,
                                        Translated(QT_TRANSLATE_NOOP("MainMenu", "Redo")));
    toolbar.addSeparator();
    buttons.SpeedButton4 = AddSpeedButton(toolbar, TToolbarGlyph::Read,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Read")));
    buttons.SpeedButton5 = AddSpeedButton(toolbar, TToolbarGlyph::Write,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Write")));
    toolbar.addSeparator();
    buttons.SpeedButton9 = AddSpeedButton(toolbar, TToolbarGlyph::Print,
                                          Translated(QT_TRANSLATE_NOOP("MainMenu", "Print")));
    return buttons;
}
