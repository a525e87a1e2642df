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

void TUndoHistory::Reset(const TRadioData& data, const QString& fileName) {
    States.clear();
    States.push_back({ContentsCopy(data), fileName});
    Current = 0;
    Saved = data.Changed ? std::nullopt : std::optional<std::size_t>(0);
    MergeSource = kSeparateStep;
}

void TUndoHistory::Record(const TRadioData& data, int mergeSource, const QString& fileName) {
    const TStep& current = States[Current];
    if (data.SameContents(current.Contents) && fileName == current.FileName) return;
    const bool merges =
        mergeSource != kSeparateStep && mergeSource == MergeSource && fileName == current.FileName;
    MergeSource = mergeSource;
    if (merges && MergeInto(data, fileName)) return;
    Push(data, fileName);
}

// The last step takes the new contents, unless it is the saved one; a merge
// that ends where the step started takes the step away.
bool TUndoHistory::MergeInto(const TRadioData& data, const QString& fileName) {
    if (Current == 0 || CanRedo() || Saved == Current) return false;
    const TStep& before = States[Current - 1];
    if (data.SameContents(before.Contents) && fileName == before.FileName) {
        States.pop_back();
        --Current;
        MergeSource = kSeparateStep;
        return true;
    }
    States[Current].Contents.RestoreContents(data);
    return true;
}

void TUndoHistory::Push(const TRadioData& data, const QString& fileName) {
    States.resize(Current + 1);
    if (Saved && *Saved > Current) Saved.reset();
    States.push_back({ContentsCopy(data), fileName});
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
bool TUndoHistory::Undo(TRadioData& data, const QString& fileName) {
    Record(data, kSeparateStep, fileName);
    if (!CanUndo()) return false;
    MoveTo(Current - 1, data);
    return true;
}

// A change not recorded yet ends the way forward, as any change does.
bool TUndoHistory::Redo(TRadioData& data, const QString& fileName) {
    Record(data, kSeparateStep, fileName);
    if (!CanRedo()) return false;
    MoveTo(Current + 1, data);
    return true;
}

void TUndoHistory::MoveTo(std::size_t step, TRadioData& data) {
    Current = step;
    MergeSource = kSeparateStep;
    data.RestoreContents(States[Current].Contents);
    data.Changed = Saved != Current;
}

// Saved under another name, the data goes on belonging to that file, whichever
// of its steps Undo and Redo bring back.
void TUndoHistory::MarkSaved(const TRadioData& data, const QString& fileName) {
    const QString before = States[Current].FileName;
    Record(data, kSeparateStep, before);
    for (TStep& step : States) {
        if (step.FileName == before) step.FileName = fileName;
    }
    Saved = Current;
    MergeSource = kSeparateStep;
}
