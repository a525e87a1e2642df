#pragma once

#include <QObject>

class QAction;
struct TCsvImport;
class TDocument;

// File > Import CSV and Export CSV: the memory channels from and to the CSV
// channel lists other programming programs share.
class TCsvCommands : public QObject {
    Q_OBJECT
public:
    TCsvCommands(TDocument& document, QObject* parent);

    void ImportClick();
    void ExportClick();

    QAction* Import = nullptr;
    QAction* Export = nullptr;

private:
    // Stores what the import made of the data set and reports it; nothing is
    // stored when nothing could be read.
    void ApplyImport(const TCsvImport& import);

    TDocument& Document;
};
