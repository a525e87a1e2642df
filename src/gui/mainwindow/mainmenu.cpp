#include "gui/mainwindow/mainmenu.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/csvcommands.h"
#include "gui/mainwindow/editcommands.h"
#include "gui/mainwindow/filecommands.h"
#include "gui/mainwindow/helpcommands.h"
#include "gui/mainwindow/modelcommands.h"
#include "gui/mainwindow/portcommands.h"
#include "gui/mainwindow/radiocommands.h"
#include "gui/mainwindow/undocommands.h"

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* caption) {
    return bar->addMenu(MenuText(caption));
}

void BuildFileMenu(QMenu* menu, const TMainCommands& commands) {
    TFileCommands& files = commands.Files;
    menu->addActions({files.New, files.Open, files.OpenBackup});
    files.AddRecentMenu(*menu);
    menu->addActions({files.Save, files.SaveAs});
    menu->addSeparator();
    menu->addActions({files.Print, files.ExportPdf, commands.Csv.Import, commands.Csv.Export});
    menu->addSeparator();
    menu->addAction(files.Exit);
}

void BuildEditMenu(QMenu* menu, const TMainCommands& commands) {
    const TEditCommands& edit = commands.Edit;
    menu->addActions({commands.Undo.Undo, commands.Undo.Redo});
    menu->addSeparator();
    menu->addActions({edit.Cut, edit.Copy, edit.Paste, edit.Delete});
    menu->addSeparator();
    menu->addActions({edit.ChannelEditor, edit.MemorySort});
}

void BuildRadioMenu(TMainMenu& menus, const TMainCommands& commands) {
    const TRadioCommands& radio = commands.Radio;
    QMenu* menu = menus.RadioMenu;
    menus.ReadMenu = AddSubmenu(menu, MenuText(QT_TRANSLATE_NOOP("MainMenu", "&Read")), 65);
    menus.ReadMenu->addActions({radio.ReadAll, radio.ReadMemory, radio.ReadMenu});
    menus.WriteMenu = AddSubmenu(menu, MenuText(QT_TRANSLATE_NOOP("MainMenu", "&Write")), 70);
    menus.WriteMenu->addActions({radio.WriteAll, radio.WriteMemory, radio.WriteMenu});
    menus.WriteMenu->addSeparator();
    menus.WriteMenu->addAction(radio.VerifyAfterWriting);
    menu->addSeparator();
    commands.Ports.AddPortMenu(*menu);
    menu->addAction(radio.LogCommunication);
    menu->addSeparator();
    menu->addActions(
        {radio.ChannelDisplay, commands.Models.MemoryChannelSelect, commands.Models.ModelSelect});
}

void BuildHelpMenu(QMenu* menu, const TMainCommands& commands) {
    menu->addAction(commands.Help.HelpTopics);
    commands.Help.AddLanguageMenu(*menu);
    menu->addSeparator();
    menu->addAction(commands.Help.About);
}

}  // namespace

TMainMenu BuildMainMenu(QMainWindow& window, const TMainCommands& commands) {
    TMainMenu menus;
    QMenuBar* bar = window.menuBar();
    menus.FileMenu = AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&File"));
    BuildFileMenu(menus.FileMenu, commands);
    menus.EditMenu = AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Edit"));
    BuildEditMenu(menus.EditMenu, commands);
    menus.RadioMenu = AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Radio"));
    BuildRadioMenu(menus, commands);
    menus.HelpMenu = AddMenu(bar, QT_TRANSLATE_NOOP("MainMenu", "&Help"));
    BuildHelpMenu(menus.HelpMenu, commands);
    return menus;
}

TToolbarButtons BuildToolbar(QToolBar& toolbar, const TMainCommands& commands) {
    const TFileCommands& files = commands.Files;
    const TEditCommands& edit = commands.Edit;
    TToolbarButtons buttons;
    buttons.NewButton = AddToolbarButton(toolbar, files.New, TToolbarGlyph::New,
                                         QT_TRANSLATE_NOOP("MainMenu", "New"), "SpeedButton7");
    buttons.OpenButton = AddToolbarButton(toolbar, files.Open, TToolbarGlyph::Open,
                                          QT_TRANSLATE_NOOP("MainMenu", "Open"), "SpeedButton6");
    buttons.SaveButton = AddToolbarButton(toolbar, files.Save, TToolbarGlyph::Save,
                                          QT_TRANSLATE_NOOP("MainMenu", "Save"), "SpeedButton8");
    toolbar.addSeparator();
    buttons.CutButton = AddToolbarButton(toolbar, edit.Cut, TToolbarGlyph::Cut,
                                         QT_TRANSLATE_NOOP("MainMenu", "Cut"), "SpeedButton2");
    buttons.CopyButton = AddToolbarButton(toolbar, edit.Copy, TToolbarGlyph::Copy,
                                          QT_TRANSLATE_NOOP("MainMenu", "Copy"), "SpeedButton1");
    buttons.PasteButton = AddToolbarButton(toolbar, edit.Paste, TToolbarGlyph::Paste,
                                           QT_TRANSLATE_NOOP("MainMenu", "Paste"), "SpeedButton3");
    toolbar.addSeparator();
    buttons.UndoButton = AddToolbarButton(toolbar, commands.Undo.Undo, TToolbarGlyph::Undo,
                                          QT_TRANSLATE_NOOP("MainMenu", "Undo"), "UndoButton");
    buttons.RedoButton = AddToolbarButton(toolbar, commands.Undo.Redo, TToolbarGlyph::Redo,
                                          QT_TRANSLATE_NOOP("MainMenu", "Redo"), "RedoButton");
    toolbar.addSeparator();
    buttons.ReadButton = AddToolbarButton(toolbar, commands.Radio.ReadAll, TToolbarGlyph::Read,
                                          QT_TRANSLATE_NOOP("MainMenu", "Read"), "SpeedButton4");
    buttons.WriteButton = AddToolbarButton(toolbar, commands.Radio.WriteAll, TToolbarGlyph::Write,
                                           QT_TRANSLATE_NOOP("MainMenu", "Write"), "SpeedButton5");
    toolbar.addSeparator();
    buttons.PrintButton = AddToolbarButton(toolbar, files.Print, TToolbarGlyph::Print,
                                           QT_TRANSLATE_NOOP("MainMenu", "Print"), "SpeedButton9");
    return buttons;
}
