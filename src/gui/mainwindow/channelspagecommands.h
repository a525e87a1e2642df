#pragma once

#include <QObject>

struct TCsvImport;
class TChannelGrids;
class TChannelsPage;
class TDocument;

// The Edit commands on the Channels page: they act on the table's selected
// rows. Also the memory editor opened from the table.
class TChannelsPageCommands : public QObject {
    Q_OBJECT
public:
    TChannelsPageCommands(TDocument& document, TChannelsPage& page, TChannelGrids& grids,
                          bool formatRegistered, QObject* parent);

    void CopyRows();
    void CutRows();
    void DeleteRows();
    void PasteRowsClick();
    // The memory editor on the table's current row.
    void OpenChannelEditor();

signals:
    // The clipboard holds what the page copied.
    void ClipboardChanged();

private:
    // What a paste did: a clean one in the page's message line, one with notes
    // in a report as well; one that pasted nothing in red.
    void ReportPaste(const TCsvImport& paste);

    TDocument& Document;
    TChannelsPage& Page;
    TChannelGrids& Grids;
    const bool FormatRegistered;
};
