#pragma once

#include <QObject>

#include "core/radio/exchange.h"

class QAction;
class TDocument;
class TPortCommands;
class TSettingsStore;
class TUndoCommands;

// The Radio menu's exchanges with the transceiver: Read and Write (all, the
// memory channels or the menu settings), whether every write is read back and
// compared, whether every exchange writes a log, and Channel Display.
class TRadioCommands : public QObject {
    Q_OBJECT
public:
    TRadioCommands(TDocument& document, TUndoCommands& undo, TPortCommands& ports,
                   TSettingsStore& store, QObject* parent);

    void ReadAllClick();
    void ReadMemoryClick();
    void ReadMenuClick();
    void WriteAllClick();
    void WriteMemoryClick();
    void WriteMenuClick();
    void ChannelDisplayClick();

    QAction* ReadAll = nullptr;
    QAction* ReadMemory = nullptr;
    QAction* ReadMenu = nullptr;
    QAction* WriteAll = nullptr;
    QAction* WriteMemory = nullptr;
    QAction* WriteMenu = nullptr;
    QAction* VerifyAfterWriting = nullptr;  // checkable: every write is read back and compared
    QAction* LogCommunication = nullptr;    // checkable: every exchange writes a log
    QAction* ChannelDisplay = nullptr;

private:
    void MakeActions();
    void ConnectActions();
    void ReadFromRadio(TTransferScope scope);
    void WriteToRadio(TTransferScope scope);
    bool ToneBurstShown() const;

    TDocument& Document;
    TUndoCommands& Undo;
    TPortCommands& Ports;
    TSettingsStore& Store;
};
