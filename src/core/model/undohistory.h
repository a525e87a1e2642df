#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <optional>

#include "core/model/radiodata.h"

// The Undo and Redo history of a data set: copies of its contents after every
// change, the current one among them, and which of them was last saved. Each
// step also knows the file its contents belong to, so that taking back a read
// from the transceiver, which leaves the data untitled, takes the data back to
// its file as well.
class TUndoHistory {
public:
    // How many changes can be taken back; older ones are let go.
    static constexpr std::size_t kStepLimit = 100;
    // A step that never merges with the one before it.
    static constexpr int kSeparateStep = -1;

    TUndoHistory();

    // Starts a new history at the data's contents, which count as saved unless
    // the data is marked changed.
    void Reset(const TRadioData& data, const QString& fileName = {});
    // Adds the data's contents (and the file they belong to now) as a new step
    // when they differ from the current one, dropping the steps Redo would have
    // brought back. Steps from the same merge source (a text being typed, say)
    // merge until EndMerge or another step.
    void Record(const TRadioData& data, int mergeSource = kSeparateStep,
                const QString& fileName = {});
    void EndMerge() { MergeSource = kSeparateStep; }

    bool CanUndo() const { return Current > 0; }
    bool CanRedo() const { return Current + 1 < States.size(); }
    // Restore the data's contents to the step before or after the current one
    // and mark it changed unless that step is the saved one. False when there
    // is none. `fileName` is the file the data belongs to before the step.
    bool Undo(TRadioData& data, const QString& fileName = {});
    bool Redo(TRadioData& data, const QString& fileName = {});
    // The file the current step's contents belong to.
    const QString& FileName() const { return States[Current].FileName; }

    // The data's contents are now those of the file `fileName`; the steps
    // that belonged to the file of the current step belong to it now.
    void MarkSaved(const TRadioData& data, const QString& fileName = {});

private:
    struct TStep {
        TRadioData Contents;
        QString FileName;
    };

    void Push(const TRadioData& data, const QString& fileName);
    bool MergeInto(const TRadioData& data, const QString& fileName);
    void DropOldest();
    void MoveTo(std::size_t step, TRadioData& data);

    std::deque<TStep> States;
    std::size_t Current = 0;
    std::optional<std::size_t> Saved;
    int MergeSource = kSeparateStep;
};
