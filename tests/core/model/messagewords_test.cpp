#include "core/model/messagewords.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageWords, PatternsTakeTheWindowsWordsAndTheirValuesOnce) {
    EXPECT_EQ(MessageText("stopped at %1, then %1 (%2)", {"channel 5", "50%2"}),
              "stopped at channel 5, then channel 5 (50%2)");
    EXPECT_EQ(MessageText("100% sure, %3 stays"), "100% sure, %3 stays");
    SetMessageWords([](const char* pattern) { return std::string("<") + pattern + ">"; });
    EXPECT_EQ(MessageText("channel %1", {"7"}), "<channel 7>");
    SetMessageWords({});
    EXPECT_EQ(MessageText("channel %1", {"7"}), "channel 7");
}

}  // namespace
