#pragma once

#include <QKeySequence>
#include <QString>

#include "gui/kit/toolbaricons.h"

class QAction;
class QMenu;
class QObject;
class QToolBar;
class QToolButton;

// The words of the menus, the toolbar and the popup menus in the window's
// language; shortcuts and port and language names stay as they are.
QString MenuText(const char* text);

// A command of the main window: one action, shown alike by a menu, the
// toolbar and a popup menu, and enabled in one place.
QAction* MakeAction(QObject* owner, const char* caption, int helpContext,
                    const QKeySequence& shortcut = {});

// A submenu of `menu` with its help context.
QMenu* AddSubmenu(QMenu* menu, const QString& caption, int helpContext);

// The channel commands of the Edit menu; the grids' popup menus repeat them
// without the shortcuts.
struct TEditItem {
    const char* Caption;
    int HelpContext;
    const char* Shortcut;
};
inline constexpr TEditItem kCutItem{QT_TRANSLATE_NOOP("MainMenu", "Cu&t"), 40, "Ctrl+X"};
inline constexpr TEditItem kCopyItem{QT_TRANSLATE_NOOP("MainMenu", "&Copy"), 45, "Ctrl+C"};
inline constexpr TEditItem kPasteItem{QT_TRANSLATE_NOOP("MainMenu", "&Paste"), 50, "Ctrl+V"};
inline constexpr TEditItem kDeleteItem{QT_TRANSLATE_NOOP("MainMenu", "&Delete"), 55, "Ctrl+Del"};

QAction* MakeEditAction(QObject* owner, const TEditItem& item, bool withShortcut);

// A toolbar button that shows an action as a picture with a hint: a click
// triggers the action, and the button is enabled when the action is. The
// button's object name is its design name ("SpeedButton7"). (A button the
// toolbar makes from the action itself would give every menu showing the
// action a picture column.)
QToolButton* AddToolbarButton(QToolBar& toolbar, QAction* action, TToolbarGlyph glyph,
                              const char* hint, const char* designName);
