// The memories and the edit-box lists through the profile: what was loaded
// and then changed is written in the profile's text formats ("%d,%ld"
// memories, "Memory01" … "Memory10", "Cont01" … "Cont08", "Histry01" …
// "Histry16") and reads back unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/rule_state.h"
#include "profile/ini_profile_store.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ProfileRoundTrip, ChangedMemoriesAndEditListsAreWrittenAndReadBack) {
    IniProfileStore first(
        "[TesmarkX]\nScaleRev=257\n"
        "[Memory]\nMemory02=\"65,1253511\"\nMemory10=\"-3,-1\"\n"
        "[EditBox]\nCont08=\"6.62607=h\"\nHistry01=0.5\nHistry16=lost\n");
    RuleState state = LoadProfile(first);
    ASSERT_EQ(state.memories[1].position, 1253511);
    ASSERT_EQ(state.memories[1].options, 65);
    ASSERT_EQ(state.memories[9].options, -3);
    ASSERT_EQ(state.editConstants[7], "6.62607=h");
    ASSERT_EQ(state.editHistory[0], "0.5");

    // What the memory commands and the edit box change while the window runs:
    // memory 1 stored on the back face with LL1/LL2 and S0/T0, memory 10
    // stored at the left end; a number added to the top of the history drops
    // its last entry; an edit constant made by hand.
    state.memories[0] = {1000000, static_cast<int16_t>(1 | (1 << 6) | (1 << 8))};
    state.memories[9] = {-90000, 0};
    std::rotate(state.editHistory.rbegin(), state.editHistory.rbegin() + 1,
                state.editHistory.rend());
    state.editHistory[0] = "2.5\u03c0";
    state.editConstants[0] = "1,5=odd; \"q\" @";

    IniProfileStore second;
    ASSERT_TRUE(SaveProfile(state, second));
    const std::string text = second.writtenText();
    EXPECT_TRUE(Contains(text, "[Memory]\nMemory01=\"321,1000000\"\nMemory02=\"65,1253511\"\n"))
        << text;
    EXPECT_TRUE(Contains(text, "\nMemory09=\"0,3150000\"\nMemory10=\"0,-90000\"\n")) << text;
    EXPECT_TRUE(Contains(text, "[EditBox]\nCont01=\"1,5=odd; \\\"q\\\" @\"\nCont02="));
    EXPECT_TRUE(
        Contains(text, "\nCont08=\"6.62607=h\"\nHistry01=2.5\u03c0\nHistry02=0.5\nHistry03="))
        << text;
    EXPECT_TRUE(Contains(text, "\nHistry16=15.00000\n")) << text;
    EXPECT_FALSE(Contains(text, "lost"));

    IniProfileStore third(text);
    const RuleState again = LoadProfile(third);
    for (int i = 0; i < kMemoryCount; ++i) {
        EXPECT_EQ(again.memories[i].position, state.memories[i].position) << i;
        EXPECT_EQ(again.memories[i].options, state.memories[i].options) << i;
    }
    EXPECT_EQ(again.editConstants, state.editConstants);
    EXPECT_EQ(again.editHistory, state.editHistory);
}

}  // namespace
}  // namespace tesmark
