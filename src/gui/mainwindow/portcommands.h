#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <string>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// Radio > Port Select: the serial port the exchanges use, one of COM1..COM20,
// and Ports..., the overview of the serial ports there are.
class TPortCommands : public QObject {
    Q_OBJECT
public:
    // `window` owns the messages and the overview.
    TPortCommands(QWidget& window, QObject* parent);

    // The Port Select submenu of the Radio menu.
    void AddPortMenu(QMenu& radioMenu);

    // The selected port ("COM1".."COM20").
    const QString& SelectedPort() const { return Port; }
    // The port the settings name at the start, taken without a test.
    void SelectPort(const QString& port);
    // The test before every radio command; false (after saying so) when the
    // selected port cannot be opened.
    bool CheckSelectedPort();

    // Port item 1..20: takes the port when it can be opened.
    void ComItemClick(int number);
    void PortsClick();

    QMenu* PortMenu = nullptr;
    QList<QAction*> ComItems;  // "Com&1" .. "Com&20"
    QActionGroup* ComGroup = nullptr;
    QAction* Ports = nullptr;  // "Po&rts...": the ports overview

private:
    void TickPortItem(int number);
    void ShowPortProblem(const QString& text, const QString& port, const std::string& problem);
    void ShowPortDevices();

    QWidget& Window;
    QString Port;
};
