#pragma once

#include "gui/kit/workspace.h"

// The pages of the main window, as far as the commands care.
enum class TShownPage { Memory, Channels, Menu };

// Why the window shows the data set again; each case builds again what it may
// have changed.
enum class TDataSetShown {
    Renewed,        // File > New: the records blanked, the comment emptied
    Opened,         // a data file loaded over the data set
    Read,           // a read from the transceiver, completed or stopped
    Restored,       // a step of Undo or Redo
    ModelSelected,  // Model Select closed, whether or not it changed the model
};

// What the main window's commands need of the document it shows, beyond what
// the dialogs see of it. The main window implements it; each group of commands
// (file, edit, radio, undo, the Channels page) talks to the window only
// through this, so it can be tried on a document of a test's own.
class TDocument : public TWorkspace {
public:
    // Names the document (kUntitled when it has no file); the caption follows.
    virtual void SetFileName(const QString& fileName) = 0;
    virtual TShownPage ShownPage() const = 0;
    // Stores the Channels page's cell being edited; false when its value was
    // refused (the edit stays open and says why).
    virtual bool StoreCellEdit() = 0;
    // Takes the keyboard off the comment and the pages' controls before the
    // data set is replaced, so a pending edit ends first.
    virtual void ParkFocus() = 0;
    virtual void ShowDataSet(TDataSetShown reason) = 0;
    // Opens the editor of a grid (TChannelGrids::TGrid) on its selected row;
    // whatever it stores is one undo step.
    virtual void OpenEditor(int grid) = 0;

protected:
    ~TDocument() = default;
};
