#include "gui/mainwindow/helpcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "core/files/settings.h"
#include "gui/dialogs/aboutbox.h"
#include "gui/dialogs/help.h"
#include "gui/kit/language.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/commandactions.h"

THelpCommands::THelpCommands(QWidget& window, TSettingsStore& store, QObject* parent)
    : QObject(parent), Window(window), Store(store) {
    HelpTopics = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Help Topics"), 95);
    About = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&About..."), 100);
    connect(HelpTopics, &QAction::triggered, this, &THelpCommands::HelpTopicsClick);
    connect(About, &QAction::triggered, this, &THelpCommands::AboutClick);
}

// The language chosen is kept in the settings and taken at the next start: the
// windows are not rebuilt under the user's hands.
void THelpCommands::AddLanguageMenu(QMenu& helpMenu) {
    LanguageMenu = AddSubmenu(&helpMenu, MenuText(QT_TRANSLATE_NOOP("MainMenu", "&Language")), 95);
    LanguageItems = new QActionGroup(LanguageMenu);
    const auto addLanguage = [this](const QString& name, const QString& code) {
        QAction* item = LanguageMenu->addAction(name);
        item->setCheckable(true);
        item->setData(code);
        LanguageItems->addAction(item);
    };
    addLanguage(MenuText(QT_TRANSLATE_NOOP("MainMenu", "System Language")), QString());
    for (const TLanguage& language : Languages()) {
        addLanguage(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    }
    const QString chosen = Store.Read(kLanguageSetting);
    for (QAction* item : LanguageItems->actions()) {
        item->setChecked(item->data().toString() == chosen);
    }
    if (!LanguageItems->checkedAction()) LanguageItems->actions().front()->setChecked(true);
    connect(LanguageItems, &QActionGroup::triggered, this, &THelpCommands::LanguageClick);
}

void THelpCommands::LanguageClick(QAction* item) {
    const QString code = item->data().toString();
    if (code == Store.Read(kLanguageSetting)) return;
    Store.Write(kLanguageSetting, code);
    // The window's own words keep the window's translation context.
    ShowMessage(&Window,
                QCoreApplication::translate("TMainForm",
                                            "The language changes when TAVRIN is started again."),
                TMessageStyle::Information);
}

void THelpCommands::HelpTopicsClick() {
    ShowHelp(&Window, kHelpDisplayToc);
}

void THelpCommands::AboutClick() {
    TAboutBox box(&Window);
    ExecModal(box);
}
