// The edit box's list rules: the prefix search, the history insertion and
// its dropped entry, the commit rule and the copy message.
#include "ops/edit_box_rules.h"

#include <gtest/gtest.h>

namespace tesmark {
namespace {

std::vector<std::string> DefaultList(const RuleState& state) {
    std::vector<std::string> entries(state.editConstants.begin(), state.editConstants.end());
    entries.insert(entries.end(), state.editHistory.begin(), state.editHistory.end());
    return entries;
}

TEST(EditBoxRules, ACommittedNumberSelectsTheFirstEntryBeginningWithIt) {
    struct Case {
        const char* text;
        int select;
    };
    for (const Case& c : {Case{"1", 3}, Case{"2", 0}, Case{"3.14", 1}, Case{"3.1622", 6},
                          Case{"57.29578=1radian", 2}, Case{"16.0", 23}}) {
        SCOPED_TRACE(c.text);
        RuleState state = RuleState::Defaults();
        std::vector<std::string> entries = DefaultList(state);
        const EditHistoryAdd added = AddToEditHistory(entries, state, c.text);
        EXPECT_EQ(added.select, c.select);
        EXPECT_FALSE(added.inserted);
        EXPECT_EQ(entries.size(), 24u);
        EXPECT_EQ(state.editHistory[0], "1.00000");
    }
}

TEST(EditBoxRules, ANewNumberJoinsTheHistoryAtTheTopAndTheOldestIsDropped) {
    RuleState state = RuleState::Defaults();
    std::vector<std::string> entries = DefaultList(state);
    const EditHistoryAdd added = AddToEditHistory(entries, state, "0.5");
    EXPECT_TRUE(added.inserted);
    EXPECT_EQ(added.select, 8);
    EXPECT_EQ(entries[8], "0.5");
    EXPECT_EQ(entries.size(), 25u) << "the list is never trimmed";
    EXPECT_EQ(state.editHistory[0], "0.5");
    EXPECT_EQ(state.editHistory[1], "1.00000");
    EXPECT_EQ(state.editHistory[15], "15.00000") << "the old entry 15 (16.00000) is dropped";
}

TEST(EditBoxRules, OnlyTextsBeginningWithADigitOrAPointAreCommitted) {
    EXPECT_EQ(CommittedEditText("0.5"), "0.5");
    EXPECT_EQ(CommittedEditText(".25"), ".25");
    EXPECT_FALSE(CommittedEditText("-2"));
    EXPECT_FALSE(CommittedEditText("abc"));
    EXPECT_FALSE(CommittedEditText(""));
    // At most 29 characters are read.
    EXPECT_EQ(CommittedEditText(std::string(30, '7'))->size(), 29u);
}

TEST(EditBoxRules, TheCopyMessageQuotesTheTextInEitherLanguage) {
    EXPECT_EQ(EditBoxCopyMessage("3.14159", 0), "Copied \"3.14159\" in the EditBox.");
    EXPECT_EQ(EditBoxCopyMessage("3.14159", 1),
              "\"3.14159\" をエディット・ボックスにコピーしました。");
}

}  // namespace
}  // namespace tesmark
