#include "core/model/undohistory.h"

namespace {

TRadioData ContentsCopy(const TRadioData& data) {
    TRadioData copy;
    copy.RestoreContents(data);
    return copy;
}

}  // namespace

TUndoHistory::TUndoHistory() {
    Reset(TRadioData());
}

void TUndoHistory::Reset(const TRadioData& data) {
    States.clear();
    States.push_back(ContentsCopy(data));
    Current = 0;
    Saved = data.Changed ? std::nullopt : std::optional<std::size_t>(0);
    MergeSource = kSeparateStep;
}

void TUndoHistory::Record(const TRadioData& data, int mergeSource) {
    if (data.SameContents(States[Current])) return;
    const bool merges = mergeSource != kSeparateStep && mergeSource == MergeSource;
    MergeSource = mergeSource;
    if (merges && MergeInto(data)) return;
    Push(data);
}

// The last step takes the new contents, unless it is the saved one; a merge
// that ends where the step started takes the step away.
bool TUndoHistory::MergeInto(const TRadioData& data) {
    if (Current == 0 || CanRedo() || Saved == Current) return false;
    if (data.SameContents(States[Current - 1])) {
        States.pop_back();
        --Current;
        MergeSource = kSeparateStep;
        return true;
    }
    States[Current].RestoreContents(data);
    return true;
}

void TUndoHistory::Push(const TRadioData& data) {
    States.resize(Current + 1);
    if (Saved && *Saved > Current) Saved.reset();
    States.push_back(ContentsCopy(data));
    ++Current;
    if (States.size() > kStepLimit + 1) DropOldest();
}

void TUndoHistory::DropOldest() {
    States.pop_front();
    --Current;
    if (Saved == std::size_t{0}) {
        Saved.reset();
    } else if (Saved) {
        --*Saved;
    }
}

// A change not recorded yet is the one taken back.
bool TUndoHistory::Undo(TRadioData& data) {
    Record(data);
    if (!CanUndo()) return false;
    MoveTo(Current - 1, data);
    return true;
}

// A change not recorded yet ends the way forward, as any change does.
bool TUndoHistory::Redo(TRadioData& data) {
    Record(data);
    if (!CanRedo()) return false;
    MoveTo(Current + 1, data);
    return true;
}

void TUndoHistory::MoveTo(std::size_t step, TRadioData& data) {
    Current = step;
    MergeSource = kSeparateStep;
    data.RestoreContents(States[Current]);
    data.Changed = Saved != Current;
}

void TUndoHistory::MarkSaved(const TRadioData& data) {
    Record(data);
    Saved = Current;
    MergeSource = kSeparateStep;
}
