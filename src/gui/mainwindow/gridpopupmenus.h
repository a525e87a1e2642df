#pragma once

class QAction;
class QMenu;
class QObject;
class QWidget;

// The popup menus of the Memory page's grids: the Edit menu's channel
// commands without their shortcuts, and Lock Out for a memory channel. The
// menus' object names are their design names (PopupMenu1..PopupMenu3).
struct TGridPopupMenus {
    QMenu* MemoryMenu = nullptr;
    QAction* MemoryCut = nullptr;
    QAction* MemoryCopy = nullptr;
    QAction* MemoryPaste = nullptr;
    QAction* MemoryDelete = nullptr;
    QAction* MemoryLockout = nullptr;

    QMenu* VfoCallMenu = nullptr;  // the VFO and CALL grids share it
    QAction* VfoCallCopy = nullptr;
    QAction* VfoCallPaste = nullptr;

    QMenu* DtmfMenu = nullptr;
    QAction* DtmfCut = nullptr;
    QAction* DtmfCopy = nullptr;
    QAction* DtmfPaste = nullptr;
    QAction* DtmfDelete = nullptr;
};

// The menus belong to `owner`, their actions to `actionOwner`.
TGridPopupMenus BuildGridPopupMenus(QWidget& owner, QObject* actionOwner);
