#include "app/mainmenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/helpcontext.h"
#include "app/toolbaricons.h"
#include "link/portnames.h"

namespace {

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
    menu.File1 = bar->addMenu(QStringLiteral("&File"));
    menu.New1 = AddItem(menu.File1, QStringLiteral("&New"), 5, QKeySequence(QStringLiteral("Ctrl+N")));
    menu.Open1 =
        AddItem(menu.File1, QStringLiteral("&Open..."), 10, QKeySequence(QStringLiteral("Ctrl+O")));
    menu.Save1 = AddItem(menu.File1, QStringLiteral("&Save"), 15, QKeySequence(QStringLiteral("Ctrl+S")));
    menu.Save2 = AddItem(menu.File1, QStringLiteral("Save &As..."), 20);
    menu.File1->addSeparator();
    menu.Print1 = AddItem(menu.File1, QStringLiteral("&Print..."), 25);
    menu.File1->addSeparator();
    menu.Exit1 = AddItem(menu.File1, QStringLiteral("E&xit"), 30);
}

void BuildEditMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    menu.Cut1 = AddItem(menu.Edit1, QStringLiteral("Cu&t"), 40, QKeySequence(QStringLiteral("Ctrl+X")));
    menu.Copy1 = AddItem(menu.Edit1, QStringLiteral("&Copy"), 45, QKeySequence(QStringLiteral("Ctrl+C")));
    menu.Paste1 =
        AddItem(menu.Edit1, QStringLiteral("&Paste"), 50, QKeySequence(QStringLiteral("Ctrl+V")));
    menu.Delete1 =
        AddItem(menu.Edit1, QStringLiteral("&Delete"), 55, QKeySequence(QStringLiteral("Ctrl+Del")));
    menu.Edit1->addSeparator();
    menu.MemorySort1 = AddItem(menu.Edit1, QStringLiteral("Memory Channel &Sort..."), 60);
}

QString ComCaption(int number) {
    // The accelerator sits on the last digit for COM10 and on the first for the others.
    if (number == 10) return QStringLiteral("Com1&0");
    return QStringLiteral("Com&%1").arg(number);
}

void BuildPortMenu(QMenu* radio, TMainMenu& menu) {
    menu.PortSelect1 = AddSubmenu(radio, QStringLiteral("&Port Select"), 75);
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
}

void BuildRadioMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Radio1 = bar->addMenu(QStringLiteral("&Radio"));
    menu.Read1 = AddSubmenu(menu.Radio1, QStringLiteral("&Read"), 65);
    menu.ReadAll1 = AddItem(menu.Read1, QStringLiteral("&All"), 65);
    menu.ReadMemory1 = AddItem(menu.Read1, QStringLiteral("&Memory"), 65);
    menu.ReadMenu1 = AddItem(menu.Read1, QStringLiteral("M&enu"), 65);
    menu.Write1 = AddSubmenu(menu.Radio1, QStringLiteral("&Write"), 70);
    menu.WriteAll1 = AddItem(menu.Write1, QStringLiteral("&All"), 70);
    menu.WriteMemory1 = AddItem(menu.Write1, QStringLiteral("&Memory"), 70);
    menu.WriteMenu1 = AddItem(menu.Write1, QStringLiteral("M&enu"), 70);
    menu.Radio1->addSeparator();
    BuildPortMenu(menu.Radio1, menu);
    menu.Radio1->addSeparator();
    menu.ChannelDisplay1 = AddItem(menu.Radio1, QStringLiteral("&Channel Display..."), 80);
    menu.MemoryChannelSelect1 = AddItem(menu.Radio1, QStringLiteral("&Memory Channel Select..."), 85);
    menu.ModelSelect1 = AddItem(menu.Radio1, QStringLiteral("Model &Select..."), 90);
}

void BuildHelpMenu(QMenuBar* bar, TMainMenu& menu) {
    menu.Help1 = bar->addMenu(QStringLiteral("&Help"));
    menu.Help2 = AddItem(menu.Help1, QStringLiteral("&Help Topics"), 95);
    menu.Help1->addSeparator();
    menu.About1 = AddItem(menu.Help1, QStringLiteral("&About..."), 100);
}

QToolButton* AddSpeedButton(QToolBar& toolbar, TToolbarGlyph glyph, const QString& hint) {
    auto* button = new QToolButton(&toolbar);
    button->setIcon(ToolbarIcon(glyph));
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

TSpeedButtons BuildSpeedButtons(QToolBar& toolbar) {
    TSpeedButtons buttons;
    buttons.SpeedButton7 = AddSpeedButton(toolbar, TToolbarGlyph::New, QStringLiteral("New"));
    buttons.SpeedButton6 = AddSpeedButton(toolbar, TToolbarGlyph::Open, QStringLiteral("Open"));
    buttons.SpeedButton8 = AddSpeedButton(toolbar, TToolbarGlyph::Save, QStringLiteral("Save"));
    toolbar.addSeparator();
    buttons.SpeedButton2 = AddSpeedButton(toolbar, TToolbarGlyph::Cut, QStringLiteral("Cut"));
    buttons.SpeedButton1 = AddSpeedButton(toolbar, TToolbarGlyph::Copy, QStringLiteral("Copy"));
    buttons.SpeedButton3 = AddSpeedButton(toolbar, TToolbarGlyph::Paste, QStringLiteral("Paste"));
    toolbar.addSeparator();
    buttons.SpeedButton4 = AddSpeedButton(toolbar, TToolbarGlyph::Read, QStringLiteral("Read"));
    buttons.SpeedButton5 = AddSpeedButton(toolbar, TToolbarGlyph::Write, QStringLiteral("Write"));
    toolbar.addSeparator();
    buttons.SpeedButton9 = AddSpeedButton(toolbar, TToolbarGlyph::Print, QStringLiteral("Print"));
    return buttons;
}
