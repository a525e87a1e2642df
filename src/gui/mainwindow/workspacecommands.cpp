// The main window's Channel Display, Help Topics, Language and About commands, and F1.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/files/settings.h"
#include "gui/dialogs/aboutbox.h"
#include "gui/dialogs/help.h"
#include "gui/kit/language.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/mainform.h"
#include "gui/radio/cdisplayform.h"

void TMainForm::ConnectWorkspaceCommands() {
    connect(Menu.ChannelDisplay1, &QAction::triggered, this, &TMainForm::ChannelDisplay1Click);
    connect(Menu.Help2, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(Menu.About1, &QAction::triggered, this, &TMainForm::About1Click);
    ConnectLanguageMenu();
    InstallContextHelp(*this);
}

// The language chosen is kept in the settings and taken at the next start: the
// windows are not rebuilt under the user's hands.
void TMainForm::ConnectLanguageMenu() {
    const QString chosen = Store.Read(kLanguageSetting);
    for (QAction* item : Menu.LanguageItems->actions()) {
        item->setChecked(item->data().toString() == chosen);
    }
    if (!Menu.LanguageItems->checkedAction())
        Menu.LanguageItems->actions().front()->setChecked(true);
    connect(Menu.LanguageItems, &QActionGroup::triggered, this, [this](QAction* item) {
        const QString code = item->data().toString();
        if (code == Store.Read(kLanguageSetting)) return;
        Store.Write(kLanguageSetting, code);
        ShowMessage(this, tr("The language changes when TAVRIN is started again."),
                    TMessageStyle::Information);
    });
}

void TMainForm::ChannelDisplay1Click() {
    if (!CheckSelectedPort()) return;
    if (ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Confirm that the transceiver has been connected to the PC.")),
                    TMessageStyle::OkCancelQuestion) != TMessageAnswer::Ok) {
        return;
    }
    TCDisplayForm form(*this);
    ExecModal(form);
}

// Whether the guide could be shown is not examined: a missing guide stays silent.
void TMainForm::Help2Click() {
    HtmlHelp(nullptr, GuideFile(), kHelpDisplayToc, 0);
}

void TMainForm::About1Click() {
    TAboutBox box(this);
    ExecModal(box);
}
