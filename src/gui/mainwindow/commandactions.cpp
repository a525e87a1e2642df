#include "gui/mainwindow/commandactions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "gui/kit/helpcontext.h"

QString MenuText(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

QAction* MakeAction(QObject* owner, const char* caption, int helpContext,
                    const QKeySequence& shortcut) {
    auto* action = new QAction(MenuText(caption), owner);
    action->setShortcut(shortcut);
    SetHelpContext(action, helpContext);
    return action;
}

QMenu* AddSubmenu(QMenu* menu, const QString& caption, int helpContext) {
    QMenu* submenu = menu->addMenu(caption);
    SetHelpContext(submenu->menuAction(), helpContext);
    return submenu;
}

QAction* MakeEditAction(QObject* owner, const TEditItem& item, bool withShortcut) {
    const QKeySequence shortcut =
        withShortcut ? QKeySequence(QString::fromLatin1(item.Shortcut)) : QKeySequence();
    return MakeAction(owner, item.Caption, item.HelpContext, shortcut);
}

QToolButton* AddToolbarButton(QToolBar& toolbar, QAction* action, TToolbarGlyph glyph,
                              const char* hint, const char* designName) {
    auto* button = new QToolButton(&toolbar);
    button->setObjectName(QLatin1String(designName));
    button->setIcon(ToolbarIcon(glyph, toolbar.palette()));
    button->setToolTip(MenuText(hint));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(action->isEnabled());
    toolbar.addWidget(button);
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    return button;
}
