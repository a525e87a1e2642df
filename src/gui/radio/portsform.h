#pragma once

#include <QDialog>
#include <functional>

#include "core/ports/portoverview.h"

class QLabel;
class QPushButton;
class QTableWidget;

// Radio > Port Select > Ports...: the port map, the serial devices found and
// what to do about trouble, as `tavrin-cli ports` prints them. Refresh scans again.
class TPortsForm : public QDialog {
    Q_OBJECT
public:
    using TScanner = std::function<TPortScan()>;
    // Without a scanner the form scans the system with the program's port map.
    explicit TPortsForm(QWidget* parent = nullptr, TScanner scanner = {});

    QTableWidget* PortTable = nullptr;
    QTableWidget* DeviceTable = nullptr;
    QLabel* HintsLabel = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* CloseButton = nullptr;

    void Refresh();

private:
    void BuildControls();

    TScanner Scanner;
};
