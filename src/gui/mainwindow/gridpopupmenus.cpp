#include "gui/mainwindow/gridpopupmenus.h"

#include <QMenu>
#include <initializer_list>

#include "gui/mainwindow/commandactions.h"

namespace {

QMenu* MakeMenu(QWidget& owner, const char* designName, std::initializer_list<QAction*> items) {
    auto* menu = new QMenu(&owner);
    menu->setObjectName(QLatin1String(designName));
    menu->addActions(items);
    return menu;
}

}  // namespace

TGridPopupMenus BuildGridPopupMenus(QWidget& owner, QObject* actionOwner) {
    TGridPopupMenus menus;
    menus.MemoryCut = MakeEditAction(actionOwner, kCutItem, false);
    menus.MemoryCopy = MakeEditAction(actionOwner, kCopyItem, false);
    menus.MemoryPaste = MakeEditAction(actionOwner, kPasteItem, false);
    menus.MemoryDelete = MakeEditAction(actionOwner, kDeleteItem, false);
    menus.MemoryLockout = MakeAction(actionOwner, QT_TRANSLATE_NOOP("MainMenu", "&Lock Out"), 545);
    menus.MemoryMenu =
        MakeMenu(owner, "PopupMenu1",
                 {menus.MemoryCut, menus.MemoryCopy, menus.MemoryPaste, menus.MemoryDelete});
    menus.MemoryMenu->addSeparator();
    menus.MemoryMenu->addAction(menus.MemoryLockout);

    menus.VfoCallCopy = MakeEditAction(actionOwner, kCopyItem, false);
    menus.VfoCallPaste = MakeEditAction(actionOwner, kPasteItem, false);
    menus.VfoCallMenu = MakeMenu(owner, "PopupMenu2", {menus.VfoCallCopy, menus.VfoCallPaste});

    menus.DtmfCut = MakeEditAction(actionOwner, kCutItem, false);
    menus.DtmfCopy = MakeEditAction(actionOwner, kCopyItem, false);
    menus.DtmfPaste = MakeEditAction(actionOwner, kPasteItem, false);
    menus.DtmfDelete = MakeEditAction(actionOwner, kDeleteItem, false);
    menus.DtmfMenu = MakeMenu(owner, "PopupMenu3",
                              {menus.DtmfCut, menus.DtmfCopy, menus.DtmfPaste, menus.DtmfDelete});
    return menus;
}
