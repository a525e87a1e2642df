// The main window's Channel Display, Help Topics and About commands, and F1.
#include <QAction>

#include "gui/dialogs/aboutbox.h"
#include "gui/dialogs/help.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/mainform.h"
#include "gui/radio/cdisplayform.h"

void TMainForm::ConnectWorkspaceCommands() {
    connect(Menu.ChannelDisplay1, &QAction::triggered, this, &TMainForm::ChannelDisplay1Click);
    connect(Menu.Help2, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(Menu.About1, &QAction::triggered, this, &TMainForm::About1Click);
    InstallContextHelp(*this);
}

void TMainForm::ChannelDisplay1Click() {
    if (!CheckSelectedPort()) return;
    if (ShowMessage(this,
                    QStringLiteral("Confirm that the transceiver has been connected to the PC."),
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
