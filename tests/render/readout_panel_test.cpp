// The readout panel: which groups a paint refreshes and redraws, the texts,
// styles and colours by row and face, the dashes of an index off the stator,
// the fills and clips of the boxes, and the focus frame.
#include "render/readout_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/recording_surface.h"

namespace tesmark {
namespace {

constexpr int kA = 255;  // the default extra width
constexpr int kB = kA / 2;
constexpr int kLeftX = 59;
constexpr int kCursorX = 248 + kB;
constexpr int kRightX = 575 + kA;

std::string Padded(const std::string& text) {
    return "    " + text + "    ";
}

// A panel that has been painted once, so that later paints see only what a
// test changes.
struct Panel {
    RuleState state;
    RedrawState redraw;
    ReadingTable table;
    PanelMemory memory;
    RecordingSurface dc{625 + kA, 325};

    Panel() { state.CxSize = kA; }

    // Paints with the given hint and backdrop, recording only this paint.
    void paint(int16_t hint, TextBackdrop backdrop = TextBackdrop::Transparent) {
        dc.clear();
        redraw.RedrawHint = hint;
        paintAt(kA, backdrop);
    }
    // The panel's share of a rule paint: plan, refresh, draw.
    void paintAt(int a, TextBackdrop backdrop) {
        const PanelPlan plan = PlanReadouts(state, redraw, memory, a);
        RefreshPlannedReadings(plan, state, table);
        PaintReadouts(dc, state, table, plan, memory, backdrop);
    }
    // A full paint as after start-up; the drawn positions are then current.
    void settle() {
        paint(kRedrawAll);
        redraw.DrawnSlidePos = state.SlidePos;
        redraw.DrawnCursorPos = state.CursorPos;
    }
    // The texts drawn at a column's centre x.
    std::vector<SurfaceCall> textsAtX(int x) const {
        std::vector<SurfaceCall> found;
        for (const SurfaceCall& call : dc.texts())
            if (call.x1 == x) found.push_back(call);
        return found;
    }
};

// --- Texts, styles and colours ---------------------------------------------

struct TextCase {
    const char* name;
    int16_t face;
    int16_t scaleLL;
    int16_t sinNum;
    int x;
    int y;
    const char* text;
    Rgb colour;
};

class PanelTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(PanelTexts, DrawsThePaddedTextInTheRowsStyleAndColour) {
    const TextCase& c = GetParam();
    Panel panel;
    panel.state.SlideRev = c.face;
    panel.state.ScaleLL = c.scaleLL;
    panel.state.SinNum = c.sinNum;
    panel.paint(kRedrawAll);

    const std::optional<SurfaceCall> text = panel.dc.findTextAt(Padded(c.text), c.x, c.y);
    ASSERT_TRUE(text) << "no " << c.text << " at (" << c.x << ", " << c.y << ")";
    EXPECT_EQ(text->textColour, c.colour);
    EXPECT_EQ(text->align, TextAlign::CentreTop);
}

INSTANTIATE_TEST_SUITE_P(
    AtHome, PanelTexts,
    ::testing::Values(
        TextCase{"FrontLeftK", 0, 2, 0, kLeftX, 58, "1.00000", kBlack},
        TextCase{"FrontLeftDiIsRed", 0, 2, 0, kLeftX, 175, "1.00000", kRed},
        TextCase{"FrontLeftLShowsItsFraction", 0, 2, 0, kLeftX, 192, ".000000", kBlack},
        TextCase{"FrontCursorD", 0, 2, 0, kCursorX, 159, "3.16228", kBlack},
        TextCase{"FrontCursorK", 0, 2, 0, kCursorX, 58, "31.6228", kBlack},
        TextCase{"FrontCursorL", 0, 2, 0, kCursorX, 192, ".500000", kBlack},
        TextCase{"FrontCursorTNormal", 0, 2, 0, kCursorX, 108, "17.5484", kBlack},
        TextCase{"FrontCursorSNormal", 0, 2, 0, kCursorX, 124, "18.4349", kBlack},
        TextCase{"FrontCursorCotangentIsRed", 0, 2, 1, kCursorX, 108, "72.4516", kRed},
        TextCase{"FrontCursorCosineIsRed", 0, 2, 1, kCursorX, 124, "71.5651", kRed},
        TextCase{"FrontRightD", 0, 2, 0, kRightX, 159, "1.00000", kBlack},
        TextCase{"BackLl0LeftR8IsLl1Sig7", 1, 0, 0, kLeftX, 175, "1.010050", kBlack},
        TextCase{"BackLl0LeftR9IsLl0Frac7", 1, 0, 0, kLeftX, 192, ".0010005", kBlack},
        TextCase{"BackLl2RightR8IsLl3Sig6", 1, 2, 0, kRightX, 175, "22026.5", kBlack},
        TextCase{"BackLl2RightR9IsLl2Sig7", 1, 2, 0, kRightX, 192, "2.718282", kBlack},
        TextCase{"BackLl2LeftR0IsRedFrac7", 1, 2, 0, kLeftX, 41, ".9048374", kRed},
        TextCase{"BackLl2LeftR1IsRedFrac7", 1, 2, 0, kLeftX, 58, ".3678794", kRed},
        TextCase{"BackCursorCiIsRed", 1, 2, 0, kCursorX, 124, "3.16228", kRed},
        TextCase{"BackLeftDfIsAMantissa", 1, 2, 0, kLeftX, 74, "3.16228", kBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelRows, FrontFaceLeavesR0EmptyInAllThreeBoxes) {
    Panel panel;
    panel.paint(kRedrawAll);
    for (const SurfaceCall& text : panel.dc.texts()) EXPECT_NE(text.y1, 41) << text.text;
    // Five rows per index box and nine under the cursor.
    EXPECT_EQ(panel.textsAtX(kLeftX).size(), 5u);
    EXPECT_EQ(panel.textsAtX(kCursorX).size(), 9u);
    EXPECT_EQ(panel.textsAtX(kRightX).size(), 5u);
}

// --- An index off the stator -----------------------------------------------

struct DashesCase {
    const char* name;
    int32_t slidePos;
    int16_t face;
    int dashedX;
    int numberedX;
    std::size_t rows;
};

class IndexOffTheStator : public ::testing::TestWithParam<DashesCase> {};

TEST_P(IndexOffTheStator, ShowsDashesInEveryRowOfItsBoxInTheRowsColour) {
    const DashesCase& c = GetParam();
    Panel panel;
    panel.state.SlidePos = c.slidePos;
    panel.state.SlideRev = c.face;
    panel.state.NumFoucs = 14;
    panel.paint(kRedrawAll);

    const std::vector<SurfaceCall> dashed = panel.textsAtX(c.dashedX);
    ASSERT_EQ(dashed.size(), c.rows);
    for (const SurfaceCall& text : dashed) {
        EXPECT_EQ(text.text, "    --------    ");
        const bool redRow = c.face == 0 ? text.y1 == 175 : text.y1 <= 58;
        EXPECT_EQ(text.textColour, redRow ? kRed : kBlack) << "row at y " << text.y1;
    }
    for (const SurfaceCall& text : panel.textsAtX(c.numberedX))
        EXPECT_NE(text.text, "    --------    ");
}

INSTANTIATE_TEST_SUITE_P(Bounds, IndexOffTheStator,
                         ::testing::Values(DashesCase{"LeftFront", 3750000, 0, kLeftX, kRightX, 5},
                                           DashesCase{"LeftBack", 3750000, 1, kLeftX, kRightX, 6},
                                           DashesCase{"RightFront", 2550000, 0, kRightX, kLeftX, 5},
                                           DashesCase{"RightBack", 2550000, 1, kRightX, kLeftX, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Fills, clips and backgrounds -------------------------------------------

TEST(PanelBoxes, FullPaintClearsEveryBoxAndClipsEachPartsTexts) {
    Panel panel;
    panel.paint(kRedrawAll);
    const RecordingSurface& dc = panel.dc;

    struct Fill {
        int x1, y1, x2, y2;
    };
    const Fill fills[] = {
        {30, 40, 89, 91},
        {30, 91, 89, 158},
        {30, 158, 89, 209},
        {220 + kB, 40, 277 + kB, 91},
        {220 + kB, 158, 277 + kB, 209},
        {220 + kB, 91, 277 + kB, 158},
        {546 + kA, 40, 605 + kA, 91},
        {546 + kA, 91, 605 + kA, 158},
        {546 + kA, 158, 605 + kA, 209},
    };
    EXPECT_EQ(dc.rectangles().size(), std::size(fills));
    for (const Fill& f : fills) {
        SCOPED_TRACE(::testing::Message() << "fill " << f.x1 << "," << f.y1);
        const std::optional<SurfaceCall> fill = dc.findRectangle(f.x1, f.y1, f.x2, f.y2);
        ASSERT_TRUE(fill);
        EXPECT_FALSE(fill->pen);
        EXPECT_EQ(fill->brush, (BrushState{false, kLightGrey}));
        EXPECT_FALSE(fill->clip);
    }

    // Each text lies inside its part's clip.
    struct Clip {
        int x;
        int y;
        ClipRect clip;
    };
    const Clip clips[] = {
        {kLeftX, 58, {32, 40, 86, 90}},
        {kLeftX, 192, {32, 158, 86, 209}},
        {kCursorX, 92, {221 + kB, 91, 275 + kB, 157}},
        {kCursorX, 74, {221 + kB, 40, 275 + kB, 90}},
        {kRightX, 159, {548 + kA, 158, 602 + kA, 209}},
    };
    for (const Clip& c : clips) {
        SCOPED_TRACE(::testing::Message() << "text at " << c.x << "," << c.y);
        bool found = false;
        for (const SurfaceCall& text : dc.texts()) {
            if (text.x1 != c.x || text.y1 != c.y) continue;
            found = true;
            EXPECT_EQ(text.clip, c.clip);
        }
        EXPECT_TRUE(found);
    }
    EXPECT_FALSE(dc.calls().back().clip) << "the clip is removed at the end";
}

TEST(PanelBoxes, TextsAreOpaqueGreyOnlyWhenTheRulePaintLeftAnOpaqueBackground) {
    for (TextBackdrop backdrop : {TextBackdrop::Opaque, TextBackdrop::Transparent}) {
        Panel panel;
        panel.paint(kRedrawAll, backdrop);
        const std::optional<Rgb> expected =
            backdrop == TextBackdrop::Opaque ? std::optional<Rgb>(kLightGrey) : std::nullopt;
        for (const SurfaceCall& text : panel.dc.texts()) EXPECT_EQ(text.textBackground, expected);
    }
}

// --- What a paint refreshes and redraws -----------------------------------

TEST(ChangeFlagsTest, CombinesTheChangesSinceTheLastPanelPaint) {
    RuleState state;
    RedrawState redraw;
    PanelMemory memory;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 15)
        << "the first paint sees SinNum and focus changed";

    memory.lastSinNum = state.SinNum;
    memory.lastNumFoucs = state.NumFoucs;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 0);
    state.SlidePos += 1;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 1);
    state.CursorPos -= 1;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 3);
    state.SlidePos = redraw.DrawnSlidePos;
    state.CursorPos = redraw.DrawnCursorPos;
    state.NumFoucs = 4;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 7);
    state.SinNum = 1;
    EXPECT_EQ(ChangeFlags(state, redraw, memory), 15);
}

constexpr double kStale = 12345.0;

struct RefreshCase {
    const char* name;
    int32_t slideStep;
    int32_t cursorStep;
    int16_t hint;
    bool sinNumChanged;
    bool left, cursorStator, cursorSlide, right;  // groups refreshed and redrawn
    int fills;                                    // box parts cleared
};

class PartialPaint : public ::testing::TestWithParam<RefreshCase> {};

TEST_P(PartialPaint, RefreshesAndRedrawsOnlyTheGroupsThatCanHaveChanged) {
    const RefreshCase& c = GetParam();
    Panel panel;
    panel.settle();
    panel.table.values.fill(kStale);
    panel.state.SlidePos += c.slideStep;
    panel.state.CursorPos += c.cursorStep;
    if (c.sinNumChanged) panel.state.SinNum = 1;
    panel.paint(c.hint, TextBackdrop::Opaque);

    const auto refreshed = [&](std::initializer_list<int> slots) {
        for (int slot : slots)
            if (panel.table[slot] == kStale) return false;
        return true;
    };
    const auto stale = [&](std::initializer_list<int> slots) {
        for (int slot : slots)
            if (panel.table[slot] != kStale) return false;
        return true;
    };
    EXPECT_TRUE(c.left ? refreshed({2, 3, 4, 5, 6}) : stale({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(c.cursorStator ? refreshed({8, 9, 14, 15, 16}) : stale({7, 8, 9, 14, 15, 16}));
    EXPECT_TRUE(c.cursorSlide ? refreshed({10, 11, 12, 13}) : stale({10, 11, 12, 13}));
    EXPECT_TRUE(c.right ? refreshed({18, 19, 20, 21, 22}) : stale({17, 18, 19, 20, 21, 22}));

    EXPECT_EQ(panel.textsAtX(kLeftX).size(), c.left ? 5u : 0u);
    EXPECT_EQ(panel.textsAtX(kRightX).size(), c.right ? 5u : 0u);
    EXPECT_EQ(panel.textsAtX(kCursorX).size(),
              (c.cursorStator ? 5u : 0u) + (c.cursorSlide ? 4u : 0u));
    // Fills are the grey box parts; the focus frame is drawn with lines.
    EXPECT_EQ(panel.dc.rectangles().size(), static_cast<std::size_t>(c.fills));
    EXPECT_EQ(panel.dc.lines().size(), 4u) << "the focus frame is drawn on every paint";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PartialPaint,
    ::testing::Values(
        // A cursor move clears the cursor's stator parts, never its slide part.
        RefreshCase{"CursorMove", 0, 3000, 2, false, false, true, true, false, 2},
        RefreshCase{"SlideMove", -3000, 0, 1, false, true, false, true, true, 0},
        // Less than a pixel: no view moves, yet the readings follow.
        RefreshCase{"CursorBelowAPixel", 0, 1, 0, false, false, true, true, false, 2},
        RefreshCase{"SinNumSwitched", 0, 0, 0, true, false, false, true, false, 0},
        RefreshCase{"NothingChanged", 0, 0, 0, false, false, false, false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PartialPaint, AFocusChangeClearsEveryBoxAnOldFrameCanStandIn) {
    // Also when SinNum changes in the same paint: the flags are then 15, not 7.
    for (bool sinNumToo : {false, true}) {
        SCOPED_TRACE(sinNumToo ? "with SinNum" : "focus alone");
        Panel panel;
        panel.settle();
        panel.state.NumFoucs = 4;
        if (sinNumToo) panel.state.SinNum = 1;
        panel.paint(kRedrawNothing, TextBackdrop::Opaque);
        EXPECT_EQ(panel.dc.rectangles().size(), 9u);
        EXPECT_TRUE(panel.dc.findRectangle(30, 158, 89, 209));
        EXPECT_TRUE(panel.dc.findRectangle(220 + kB, 91, 277 + kB, 158));
        EXPECT_TRUE(panel.dc.findRectangle(546 + kA, 40, 605 + kA, 91));
    }
}

TEST(PartialPaint, AWidthChangeRedrawsAndClearsTheRightBox) {
    Panel panel;
    panel.settle();
    panel.redraw.RedrawHint = kRedrawNothing;
    panel.dc.clear();
    panel.paintAt(kA + 10, TextBackdrop::Opaque);
    EXPECT_TRUE(panel.dc.findRectangle(546 + kA + 10, 158, 605 + kA + 10, 209));
    EXPECT_EQ(panel.dc.rectangles().size(), 3u);
    EXPECT_EQ(panel.textsAtX(kRightX + 10).size(), 5u);
}

// --- The focus frame --------------------------------------------------------

struct FocusCase {
    const char* name;
    int slot;
    int cxSize;
    int x1, x2, top, bottom;
};

class FocusFrame : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusFrame, IsAClosedBlackOutlineAroundTheSlotsReading) {
    const FocusCase& c = GetParam();
    RecordingSurface dc;
    DrawFocusBox(dc, c.slot, c.cxSize);
    const std::vector<SurfaceCall> lines = dc.lines();
    ASSERT_EQ(lines.size(), 4u);
    const int corners[5][2] = {
        {c.x1, c.top}, {c.x1, c.bottom}, {c.x2, c.bottom}, {c.x2, c.top}, {c.x1, c.top}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].x1, corners[i][0]);
        EXPECT_EQ(lines[i].y1, corners[i][1]);
        EXPECT_EQ(lines[i].x2, corners[i + 1][0]);
        EXPECT_EQ(lines[i].y2, corners[i + 1][1]);
        EXPECT_EQ(lines[i].pen, kStockBlack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, FocusFrame,
    ::testing::Values(FocusCase{"DefaultDUnderTheCursor", 14, 255, 347, 402, 159, 173},
                      FocusCase{"CursorNarrowWindow", 14, 0, 220, 275, 159, 173},
                      FocusCase{"CursorOddWidth", 10, 301, 370, 425, 92, 106},
                      FocusCase{"LeftTopRow", 1, 255, 31, 86, 41, 55},
                      FocusCase{"RightBottomRow", 22, 255, 802, 857, 192, 206},
                      FocusCase{"RightR2", 19, 100, 647, 702, 74, 88}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FocusFrame, NoFocusDrawsNothing) {
    for (int slot : {0, 23, -1}) {
        RecordingSurface dc;
        DrawFocusBox(dc, slot, 255);
        EXPECT_FALSE(dc.drewAnything()) << "slot " << slot;
    }
}

TEST(FocusFrame, IsDrawnAfterTheTextsWithTheWindowsCxSize) {
    Panel panel;
    panel.state.CxSize = 301;  // the frame follows CxSize, the boxes a
    panel.paint(kRedrawAll);
    const std::vector<SurfaceCall>& calls = panel.dc.calls();
    std::size_t lastText = 0, firstLine = calls.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == CallKind::Text) lastText = i;
        if (calls[i].kind == CallKind::Line && firstLine == calls.size()) firstLine = i;
    }
    EXPECT_LT(lastText, firstLine);
    EXPECT_TRUE(panel.dc.findLine(220 + 150, 159, 220 + 150, 173));
}

}  // namespace
}  // namespace tesmark
