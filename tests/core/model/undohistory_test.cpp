#include "core/model/undohistory.h"

#include <gtest/gtest.h>

#include "core/files/datafile.h"
#include "support/testdata.h"

namespace {

// A data set of one model whose channel 1 holds a numbered frequency.
TRadioData WithChannel(TRadioData data, int number) {
    data.SetChannel(1, "01,0" + std::to_string(145000000 + number) +
                           ",3,0,0,0,0,0,08,08,000,"
                           "00600000,0,0,0000000000,0,0,,");
    return data;
}

class UndoHistory : public ::testing::Test {
protected:
    void SetUp() override {
        Data = ConfiguredData("PX-A7", "AM70", "49");
        FillEverything(Data);
        History.Reset(Data);
    }

    // Changes the data as a command would and records the step.
    void Change(int number) {
        Data = WithChannel(Data, number);
        Data.Changed = true;
        History.Record(Data);
    }

    TRadioData Data;
    TUndoHistory History;
};

TEST(RadioDataContents, CopyAndCompareLeaveTheSessionOut) {
    TRadioData data = ConfiguredData("RV-380", "MM2", "199");
    FillEverything(data);
    data.SetClipRecord("clip");
    TRadioData copy;
    copy.SetClipRecord("other clip");
    copy.Changed = true;
    EXPECT_FALSE(copy.SameContents(data));
    copy.RestoreContents(data);
    EXPECT_TRUE(copy.SameContents(data));
    EXPECT_EQ(WriteDataFile(copy), WriteDataFile(data));
    EXPECT_EQ(copy.GetClipRecord(), "other clip");
    EXPECT_TRUE(copy.Changed);
    for (auto change :
         {+[](TRadioData& d) { d.SetComment("x"); }, +[](TRadioData& d) { d.SetMenuSlot(36, "1"); },
          +[](TRadioData& d) { d.SetDtmf(9, "9"); },
          +[](TRadioData& d) { d.SetChannel(208, "spare"); }}) {
        TRadioData changed = data;
        change(changed);
        EXPECT_FALSE(changed.SameContents(data));
    }
}

TEST_F(UndoHistory, UndoAndRedoRestoreTheContentsExactly) {
    const std::string before = WriteDataFile(Data);
    EXPECT_FALSE(History.CanUndo());
    Change(1);
    const std::string after = WriteDataFile(Data);
    Data.SetClipRecord("kept");
    ASSERT_TRUE(History.Undo(Data));
    EXPECT_EQ(WriteDataFile(Data), before);
    EXPECT_EQ(Data.GetClipRecord(), "kept");
    EXPECT_FALSE(History.CanUndo());
    EXPECT_FALSE(History.Undo(Data));
    ASSERT_TRUE(History.Redo(Data));
    EXPECT_EQ(WriteDataFile(Data), after);
    EXPECT_FALSE(History.Redo(Data));
}

TEST_F(UndoHistory, UnchangedContentsAddNoStepAndANewChangeEndsTheWayForward) {
    History.Record(Data);
    EXPECT_FALSE(History.CanUndo());
    Change(1);
    Change(2);
    History.Undo(Data);
    EXPECT_TRUE(History.CanRedo());
    Change(3);
    EXPECT_FALSE(History.CanRedo());
    History.Undo(Data);
    EXPECT_EQ(WriteDataFile(Data), WriteDataFile(WithChannel(Data, 1)));
}

TEST_F(UndoHistory, ChangesNotRecordedAreTakenBackFirst) {
    Change(1);
    const std::string recorded = WriteDataFile(Data);
    Data.SetComment("unrecorded");
    History.Undo(Data);
    EXPECT_EQ(WriteDataFile(Data), recorded);

    // Redo cannot skip over such a change either: it ends the way forward.
    Data.SetComment("unrecorded again");
    EXPECT_FALSE(History.Redo(Data));
    EXPECT_EQ(Data.GetComment(), "unrecorded again");
}

TEST_F(UndoHistory, KeepsTheLastHundredStepsAndLetsTheSavedOneGo) {
    const std::size_t steps = TUndoHistory::kStepLimit + 5;
    for (std::size_t step = 1; step <= steps; ++step) Change(static_cast<int>(step));
    int undone = 0;
    while (History.Undo(Data)) ++undone;
    EXPECT_EQ(undone, TUndoHistory::kStepLimit);
    EXPECT_EQ(WriteDataFile(Data), WriteDataFile(WithChannel(Data, 5)));
    EXPECT_TRUE(Data.Changed);  // the saved contents are gone from the history
}

TEST_F(UndoHistory, TheChangedMarkFollowsTheSavedStep) {
    Change(1);
    History.Undo(Data);
    EXPECT_FALSE(Data.Changed);
    History.Redo(Data);
    EXPECT_TRUE(Data.Changed);

    History.MarkSaved(Data);
    History.Undo(Data);
    EXPECT_TRUE(Data.Changed);
    History.Redo(Data);
    EXPECT_FALSE(Data.Changed);

    // Undo, then a new change: the saved step lies on the dropped way forward.
    History.Undo(Data);
    Change(7);
    History.Undo(Data);
    EXPECT_TRUE(Data.Changed);
}

// A read from the transceiver leaves the data untitled: taking the read back
// takes the data back to its file, even where the read changed no record.
// Saving under a new name renames the steps of the file saved, no others.
TEST_F(UndoHistory, EachStepKnowsTheFileItsContentsBelongTo) {
    const QString club = QStringLiteral("/radio/club.tvr");
    const QString copy = QStringLiteral("/radio/copy.tvr");
    const QString untitled = QStringLiteral("Untitled");
    History.Reset(Data, club);
    Data = WithChannel(Data, 1);
    History.Record(Data, TUndoHistory::kSeparateStep, club);      // an edit
    History.Record(Data, TUndoHistory::kSeparateStep, untitled);  // a read that changed nothing
    ASSERT_TRUE(History.Undo(Data, untitled));
    EXPECT_EQ(History.FileName(), club);
    ASSERT_TRUE(History.Redo(Data, club));
    EXPECT_EQ(History.FileName(), untitled);

    History.MarkSaved(Data, copy);
    History.Undo(Data, copy);
    History.Undo(Data, club);
    EXPECT_EQ(History.FileName(), club);
    History.Redo(Data, club);
    History.Redo(Data, club);
    EXPECT_EQ(History.FileName(), copy);
}

TEST_F(UndoHistory, AHistoryStartedOnChangedDataHasNoSavedStep) {
    Data.Changed = true;
    History.Reset(Data);
    Change(1);
    History.Undo(Data);
    EXPECT_TRUE(Data.Changed);
}

TEST_F(UndoHistory, StepsOfOneSourceMergeUntilTheMergeEnds) {
    const std::string before = WriteDataFile(Data);
    for (const char* typed : {"a", "ab", "abc"}) {
        Data.SetComment(typed);
        History.Record(Data, 0);
    }
    Data.SetMenuSlot(1, Data.GetMenuSlot(1) == "1" ? "2" : "1");
    History.Record(Data, 5);  // another source: a step of its own
    History.Undo(Data);
    EXPECT_EQ(Data.GetComment(), "abc");
    History.Undo(Data);
    EXPECT_EQ(WriteDataFile(Data), before);
    EXPECT_FALSE(History.CanUndo());

    History.Redo(Data);
    History.EndMerge();
    Data.SetComment("abcd");
    History.Record(Data, 0);
    History.Undo(Data);
    EXPECT_EQ(Data.GetComment(), "abc");
}

TEST_F(UndoHistory, AMergeBackToTheStartTakesTheStepAway) {
    const std::string start = Data.GetComment();
    Data.SetComment(start + "x");
    History.Record(Data, 0);
    Data.SetComment(start);
    History.Record(Data, 0);
    EXPECT_FALSE(History.CanUndo());
}

TEST_F(UndoHistory, NothingMergesIntoTheSavedStep) {
    Data.SetComment("a");
    History.Record(Data, 0);
    History.MarkSaved(Data);
    Data.SetComment("ab");
    History.Record(Data, 0);
    History.Undo(Data);
    EXPECT_EQ(Data.GetComment(), "a");
    EXPECT_FALSE(Data.Changed);
}

}  // namespace
