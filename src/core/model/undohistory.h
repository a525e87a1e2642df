#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "core/model/radiodata.h"

// The Undo and Redo history of a data set: copies of its contents after every
// change, the current one among them, and which of them was last saved.
class TUndoHistory {
public:
    // How many changes can be taken back; older ones are let go.
    static constexpr std::size_t kStepLimit = 100;
    // A step that never merges with the one before it.
    static constexpr int kSeparateStep = -1;

    TUndoHistory();

    // Starts a new history at the data's contents, which count as saved unless
    // the data is marked changed.
    void Reset(const TRadioData& data);
    // Adds the data's contents as a new step when they differ from the current
    // one, dropping the steps Redo would have brought back. Steps from the same
    // merge source (a text being typed, say) merge until EndMerge or another step.
    void Record(const TRadioData& data, int mergeSource = kSeparateStep);
    void EndMerge() { MergeSource = kSeparateStep; }

    bool CanUndo() const { return Current > 0; }
    bool CanRedo() const { return Current + 1 < States.size(); }
    // Restore the data's contents to the step before or after the current one
    // and mark it changed unless that step is the saved one. False when there is none.
    bool Undo(TRadioData& data);
    bool Redo(TRadioData& data);

    // The data's contents are now those of its file.
    void MarkSaved(const TRadioData& data);

private:
    void Push(const TRadioData& data);
    bool MergeInto(const TRadioData& data);
    void DropOldest();
    void MoveTo(std::size_t step, TRadioData& data);

    std::deque<TRadioData> States;
    std::size_t Current = 0;
    std::optional<std::size_t> Saved;
    int MergeSource = kSeparateStep;
};
