#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class TSettingsStore;

// The Help menu: Help Topics, the Language the windows speak at the next
// start, and About.
class THelpCommands : public QObject {
    Q_OBJECT
public:
    // `window` owns the messages and the About box.
    THelpCommands(QWidget& window, TSettingsStore& store, QObject* parent);

    // Help > Language, as a submenu of the Help menu.
    void AddLanguageMenu(QMenu& helpMenu);

    void HelpTopicsClick();
    void AboutClick();

    QAction* HelpTopics = nullptr;
    QAction* About = nullptr;
    // The desktop's language, then each language by its own name; an item's
    // data is the language code ("" for the desktop's).
    QMenu* LanguageMenu = nullptr;
    QActionGroup* LanguageItems = nullptr;

private:
    void LanguageClick(QAction* item);

    QWidget& Window;
    TSettingsStore& Store;
};
