// The context-menu zones of the rule and the keyboard menu's points.
#include "ops/context_menu_zones.h"

#include <gtest/gtest.h>

namespace tesmark {
namespace {

TEST(ContextMenuZones, StrictBoundsPickTheMenu) {
    using K = ContextMenuKind;
    struct Case {
        int x, y, cx;
        K kind;
    };
    const Case cases[] = {
        {15, 100, 0, K::Rule},     {30, 100, 0, K::None},    {31, 100, 0, K::Value},
        {89, 100, 0, K::None},     {100, 100, 0, K::Rule},   {50, 40, 0, K::None},
        {50, 41, 0, K::Value},     {50, 208, 0, K::Value},   {50, 209, 0, K::None},
        {350, 100, 255, K::Value}, {340, 100, 255, K::Rule}, {830, 100, 255, K::Value},
        {801, 100, 255, K::None},  {0, 100, 0, K::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y << ", W " << c.cx);
        EXPECT_EQ(ContextMenuAt(c.x, c.y, c.cx), c.kind);
    }
}

TEST(ContextMenuZones, TheKeyboardMenuOpensTheValueMenuAtTheFocus) {
    struct Case {
        int slot, cx, x, y;
    };
    for (const Case& c : {Case{4, 0, 30, 160}, Case{14, 255, 345, 160}, Case{20, 255, 801, 160},
                          Case{0, 255, 345, 40}}) {
        SCOPED_TRACE(c.slot);
        const ClientPoint p = KeyboardMenuPoint(c.slot, c.cx);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
    }
    // With the platform's offset of 8 and 13 the point lies in the value menu's zone.
    for (const Case& c : {Case{4, 0, 0, 0}, Case{14, 255, 0, 0}, Case{20, 255, 0, 0}}) {
        const ClientPoint p = KeyboardMenuPoint(c.slot, c.cx);
        EXPECT_EQ(ContextMenuAt(p.x + 8, p.y + 13, c.cx), ContextMenuKind::Value) << c.slot;
    }
}

}  // namespace
}  // namespace tesmark
