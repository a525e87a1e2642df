#include "gui/mainwindow/portcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "core/model/visiblebytes.h"
#include "core/ports/portmap.h"
#include "core/ports/portnames.h"
#include "core/ports/portscan.h"
#include "core/radio/kcomm.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/radio/portsform.h"

namespace {

constexpr int kPortHelpContext = 75;

QString ComCaption(int number) {
    // The accelerator sits on the last digit for COM10 and on the first for the others.
    if (number == 10) return QStringLiteral("Com1&0");
    return QStringLiteral("Com&%1").arg(number);
}

// The device a port stands for, with its stable by-id name when it has one.
QString DeviceText(int number) {
    const std::string device = ResolvePortName(PortDeviceName(number));
    const std::string byId = ByIdNameOfDevice(device);
    QString text = QString::fromStdString(device);
    if (!byId.empty()) text += QStringLiteral(" (%1)").arg(QString::fromStdString(byId));
    return VisibleText(text);
}

// The fixed text, then which port is which device and why it cannot be opened.
QString PortMessage(const QString& text, const QString& port, const std::string& problem) {
    return text +
           QStringLiteral("\n\n%1 = %2").arg(port, VisibleText(QString::fromStdString(problem)));
}

}  // namespace

TPortCommands::TPortCommands(QWidget& window, QObject* parent) : QObject(parent), Window(window) {
    // Only the program checks and unchecks these items, so they do not form an exclusive group.
    ComGroup = new QActionGroup(this);
    ComGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int number = 1; number <= kPortCount; ++number) {
        auto* item = new QAction(ComCaption(number), this);
        SetHelpContext(item, kPortHelpContext);
        item->setCheckable(true);
        item->setData(number);
        ComGroup->addAction(item);
        ComItems.append(item);
        connect(item, &QAction::triggered, this, [this, number] { ComItemClick(number); });
    }
    Ports = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Po&rts..."), kPortHelpContext);
    connect(Ports, &QAction::triggered, this, &TPortCommands::PortsClick);
}

void TPortCommands::AddPortMenu(QMenu& radioMenu) {
    PortMenu = AddSubmenu(&radioMenu, MenuText(QT_TRANSLATE_NOOP("MainMenu", "&Port Select")),
                          kPortHelpContext);
    PortMenu->setToolTipsVisible(true);
    PortMenu->addActions(ComItems);
    PortMenu->addSeparator();
    PortMenu->addAction(Ports);
    connect(PortMenu, &QMenu::aboutToShow, this, &TPortCommands::ShowPortDevices);
}

void TPortCommands::SelectPort(const QString& port) {
    Port = port;
    TickPortItem(PortNumberOf(Port));
}

void TPortCommands::TickPortItem(int number) {
    for (QAction* item : std::as_const(ComItems)) item->setChecked(item->data().toInt() == number);
}

void TPortCommands::ComItemClick(int number) {
    TKComm probe;
    const std::string problem = probe.CommportProblem(PortDeviceName(number));
    if (problem.empty()) {
        SelectPort(PortText(number));
        return;
    }
    const QString port = PortText(number);
    // The earlier choice stays ticked; the refused item loses the tick its click gave it.
    TickPortItem(PortNumberOf(Port));
    ShowPortProblem(QCoreApplication::translate(
                        "Messages", "The %1 port is unavailable.\nPlease check the %1 port status.")
                        .arg(port),
                    port, problem);
}

bool TPortCommands::CheckSelectedPort() {
    TKComm probe;
    const std::string problem = probe.CommportProblem(SelectedPortDeviceName(Port));
    if (problem.empty()) return true;
    ShowPortProblem(
        QCoreApplication::translate(
            "Messages", "The selected COM port is unavailable.\nPlease check the COM port status."),
        Port, problem);
    return false;
}

// The box offers the ports overview, where the user sees what each port is.
void TPortCommands::ShowPortProblem(const QString& text, const QString& port,
                                    const std::string& problem) {
    if (ShowMessage(&Window, PortMessage(text, port, problem), TMessageStyle::PortWarning) ==
        TMessageAnswer::Yes) {
        PortsClick();
    }
}

void TPortCommands::PortsClick() {
    TPortsForm form(&Window);
    ExecModal(form);
}

// Each port item shows beside it which device it stands for.
void TPortCommands::ShowPortDevices() {
    for (QAction* item : std::as_const(ComItems)) {
        const int number = item->data().toInt();
        const QString device = DeviceText(number);
        // The menu shows what follows the tab where shortcuts go, beside the caption.
        item->setText(ComCaption(number) + QLatin1Char('\t') + device);
        item->setStatusTip(device);
        item->setToolTip(device);
    }
}
