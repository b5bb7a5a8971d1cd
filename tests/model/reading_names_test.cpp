// The spoken names of the reading slots, by face and language.
#include "model/reading_names.h"

#include <gtest/gtest.h>

namespace tesmark {
namespace {

TEST(ReadingSlotName, NamesTheScaleAndThePlaceInTheLanguage) {
    struct Case {
        int16_t face;
        int16_t language;
        int slot;
        const char* name;
    };
    const Case cases[] = {
        {0, 0, 14, "D under the cursor"},
        {0, 0, 4, "D at the left index"},
        {0, 0, 22, "L at the right index"},
        {0, 0, 11, "T under the cursor"},
        {0, 0, 7, ""},
        {0, 0, 1, ""},
        {1, 0, 1, "LL/2 at the left index"},
        {1, 0, 13, "C under the cursor"},
        {0, 1, 14, "カーソル線のD"},
        {0, 1, 4, "左指標のD"},
        {1, 1, 22, "右指標のLL2"},
        {0, 0, 0, ""},
        {0, 0, 23, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        RuleState state;
        state.SlideRev = c.face;
        state.Language = c.language;
        EXPECT_EQ(ReadingSlotName(c.slot, state), c.name);
    }
}

}  // namespace
}  // namespace tesmark
