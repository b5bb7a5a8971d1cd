// Painting the rule: where each view copies its blocks from, which blocks a
// paint after a move copies, the cursor view beside the slide's ends, the
// layout at several widths, the text background and the bookkeeping.
#include "render/window_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/recording_surface.h"

namespace tesmark {
namespace {

constexpr int kA = 255;
constexpr int kB = kA / 2;

// Whatever is painted, with the memory of the paints before.
struct Window {
    RuleState state;
    RedrawState redraw;
    ReadingTable table;
    PaintMemory memory;
    PainterMemory& painter = memory.painter;
    RecordingSurface body{2501, 170};
    RecordingSurface dc{625 + kA, 325};
    int a = kA;

    Window() { state.CxSize = kA; }

    void paint(int16_t hint) {
        dc.clear();
        redraw.RedrawHint = hint;
        const PaintPlan plan = PreparePaint(state, redraw, table, memory, a);
        PaintRule(dc, body, state, table, plan, memory, redraw);
    }

    // The copy to the window position (x, y), if any.
    std::optional<SurfaceCall> copyAt(int x, int y) const {
        for (const SurfaceCall& call : dc.ofKind(CallKind::CopyFrom))
            if (call.x1 == x && call.y1 == y) return call;
        return std::nullopt;
    }
    std::size_t copies() const { return dc.ofKind(CallKind::CopyFrom).size(); }
};

// A block as copy(x, y, w, h <- u, v) writes it.
struct Block {
    int x, y, w, h, u, v;
};

void ExpectCopy(const Window& window, const Block& block) {
    SCOPED_TRACE(::testing::Message() << "copy to (" << block.x << ", " << block.y << ")");
    const std::optional<SurfaceCall> copy = window.copyAt(block.x, block.y);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->x2, block.w);
    EXPECT_EQ(copy->y2, block.h);
    EXPECT_EQ(copy->sx, block.u);
    EXPECT_EQ(copy->sy, block.v);
    EXPECT_EQ(copy->source, &window.body);
}

// --- The index views --------------------------------------------------------

struct IndexViewCase {
    const char* name;
    int32_t slidePos;
    int16_t leftFollow;
    int16_t rightFollow;
    int leftStator, leftSlide;    // body columns shown at window column 88
    int rightStator, rightSlide;  // body columns shown at window column 418 + b
};

class IndexViews : public ::testing::TestWithParam<IndexViewCase> {};

TEST_P(IndexViews, CopyTheStatorAndTheSlideFromTheColumnsThatKeepTheIndicesInPlace) {
    const IndexViewCase& c = GetParam();
    Window window;
    window.state.SlidePos = c.slidePos;
    const RulePixels px = ComputeRulePixels(window.state);
    EXPECT_EQ(px.LeftFollow, c.leftFollow);
    EXPECT_EQ(px.RightFollow, c.rightFollow);
    window.paint(kRedrawAll);

    ExpectCopy(window, {88, 40, 129 + kB, 50, c.leftStator, 1});
    ExpectCopy(window, {88, 158, 129 + kB, 50, c.leftStator, 119});
    ExpectCopy(window, {88, 91, 129 + kB, 66, c.leftSlide, 52});
    const int rightX = 418 + kB;
    ExpectCopy(window, {rightX, 40, 128 + kA - kB, 50, c.rightStator, 1});
    ExpectCopy(window, {rightX, 158, 128 + kA - kB, 50, c.rightStator, 119});
    ExpectCopy(window, {rightX, 91, 128 + kA - kB, 66, c.rightSlide, 52});
}

// The stator's left index (body column 100) stands at window column
// 88 + 100 - leftStator, the slide's at 88 + 100 - leftSlide; the right
// indices (body column 2200) at 418 + b + 2200 - rightStator and - rightSlide.
INSTANTIATE_TEST_SUITE_P(
    SlidePositions, IndexViews,
    ::testing::Values(
        // Both indices together at columns 119 and 517 + a.
        IndexViewCase{"Home", 3150000, 0, 0, 69, 69, 1973, 1973},
        // 31 pixels right of home: the slide's index is held at 149 and the
        // stator's moves to 118.
        IndexViewCase{"ThirtyOnePixelsRight", 3057000, -1, 0, 70, 39, 1973, 1942},
        // 30 pixels right: the left view does not follow yet.
        IndexViewCase{"ThirtyPixelsRight", 3060000, 0, 0, 69, 39, 1973, 1943},
        // 31 pixels left: the right view holds the slide's index at 487 + a.
        IndexViewCase{"ThirtyOnePixelsLeft", 3243000, 0, 1, 69, 100, 1972, 2003}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RulePixelsTest, HomeHasTheHairlineOnTheStatorsColumn1150) {
    RuleState state;
    const RulePixels px = ComputeRulePixels(state);
    EXPECT_EQ(px.Z, 0);
    EXPECT_EQ(px.cx, 1050);  // body column cx + 100: D = sqrt(10)
    EXPECT_EQ(px.sx, 1050);
    EXPECT_EQ(px.S, 972);
}

// --- Which blocks a paint copies ------------------------------------------

struct PartialCase {
    const char* name;
    int32_t slideFrom, slideTo;
    int32_t cursorFrom, cursorTo;
    int16_t hint;
    int extraWidthChange;
    std::vector<std::pair<int, int>> copied;  // window (x, y) of every copy
};

class PartialRepaint : public ::testing::TestWithParam<PartialCase> {};

TEST_P(PartialRepaint, CopiesOnlyTheBlocksThatMoved) {
    const PartialCase& c = GetParam();
    Window window;
    window.state.SlidePos = c.slideFrom;
    window.state.CursorPos = c.cursorFrom;
    window.paint(kRedrawAll);
    window.state.SlidePos = c.slideTo;
    window.state.CursorPos = c.cursorTo;
    window.a += c.extraWidthChange;
    window.paint(c.hint);

    std::vector<std::pair<int, int>> copied;
    for (const SurfaceCall& call : window.dc.ofKind(CallKind::CopyFrom))
        copied.emplace_back(call.x1, call.y1);
    std::sort(copied.begin(), copied.end());
    std::vector<std::pair<int, int>> expected = c.copied;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(copied, expected);
}

constexpr int kCursorLeft = 279 + kB;
constexpr int kCursorRight = 346 + kB;
constexpr int kRight = 418 + kB;

INSTANTIATE_TEST_SUITE_P(
    Moves, PartialRepaint,
    ::testing::Values(
        // The four stator blocks and the two slide blocks of the cursor view.
        PartialCase{"CursorStep",
                    3150000,
                    3150000,
                    3150000,
                    3153000,
                    2,
                    0,
                    {{kCursorLeft, 40},
                     {kCursorRight, 40},
                     {kCursorLeft, 158},
                     {kCursorRight, 158},
                     {kCursorLeft, 91},
                     {kCursorRight, 91}}},
        // Near home neither index view follows: only the slide bands move.
        PartialCase{"SlideStepNearHome",
                    3150000,
                    3147000,
                    3150000,
                    3150000,
                    1,
                    0,
                    {{88, 91}, {kRight, 91}, {kCursorLeft, 91}, {kCursorRight, 91}}},
        // While the left view follows, its stator moves and its slide stays.
        PartialCase{"SlideStepWhileFollowed",
                    3000000,
                    2997000,
                    3150000,
                    3150000,
                    1,
                    0,
                    {{88, 40}, {88, 158}, {kRight, 91}, {kCursorLeft, 91}, {kCursorRight, 91}}},
        // The step that starts the following redraws the stator and the slide.
        PartialCase{
            "SlideStepStartsFollowing",
            3060000,
            3057000,
            3150000,
            3150000,
            1,
            0,
            {{88, 40}, {88, 158}, {88, 91}, {kRight, 91}, {kCursorLeft, 91}, {kCursorRight, 91}}},
        PartialCase{"RightViewFollowed",
                    3300000,
                    3303000,
                    3150000,
                    3150000,
                    1,
                    0,
                    {{88, 91}, {kRight, 40}, {kRight, 158}, {kCursorLeft, 91}, {kCursorRight, 91}}},
        // A width change alone redraws the right view (b stays 127 here).
        PartialCase{"WidthChangeAlone",
                    3150000,
                    3150000,
                    3150000,
                    3150000,
                    0,
                    -1,
                    {{kRight, 40}, {kRight, 158}, {kRight, 91}}},
        // The hairline's slide point crossed a pixel though the cursor's own
        // pixel did not: the slide blocks of the cursor view follow.
        PartialCase{"SlidePointUnderTheHairline",
                    3151000,
                    3151000,
                    3150000,
                    3150999,
                    0,
                    0,
                    {{kCursorLeft, 91}, {kCursorRight, 91}}},
        // Below zero the moves' pixel test rounds differently from the
        // painter's, so the move says "nothing"; the painter still follows.
        PartialCase{"NegativeCursorMoveTheMoveMissed",
                    3150000,
                    3150000,
                    -2000,
                    -1000,
                    0,
                    0,
                    {{kCursorLeft, 40},
                     {kCursorRight, 40},
                     {kCursorLeft, 158},
                     {kCursorRight, 158},
                     {kCursorLeft, 91},
                     {kCursorRight, 91}}},
        PartialCase{"NothingMoved", 3150000, 3150000, 3150000, 3150000, 0, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The cursor view beside the slide's ends -------------------------------

struct SlideEndCase {
    const char* name;
    int16_t S;
    int fillX1, fillX2;       // fill(x1, 91, x2, 158), or none when fillX1 = 0
    int copyX, copyW, copyU;  // copy(x, 91, w, 66 <- u, 52), or none when copyW = 0
};

class CursorViewAtSlideEnd : public ::testing::TestWithParam<SlideEndCase> {};

TEST_P(CursorViewAtSlideEnd, FillsBesideTheSlideWithTheBackground) {
    const SlideEndCase& c = GetParam();
    Window window;
    // The slide far right for its left end, far left for its right end; the
    // cursor where the hairline's slide point gives S.
    window.state.SlidePos = c.S < 0 ? -90000 : 6390000;
    window.state.CursorPos = 3000 * (c.S + 78 + 1050) - window.state.SlidePos;
    ASSERT_EQ(ComputeRulePixels(window.state).S, c.S);
    window.paint(kRedrawCursor);

    // Only what lands in the view's slide row (406 .. 541) counts here.
    const auto inView = [](const SurfaceCall& call) {
        return call.y1 == 91 && call.x1 >= 406 && call.x1 <= 541;
    };
    std::vector<SurfaceCall> slideFills;
    for (const SurfaceCall& call : window.dc.rectangles())
        if (inView(call)) slideFills.push_back(call);
    if (c.fillX1 == 0) {
        EXPECT_TRUE(slideFills.empty());
    } else {
        ASSERT_EQ(slideFills.size(), 1u);
        EXPECT_EQ(slideFills[0].x1, c.fillX1);
        EXPECT_EQ(slideFills[0].x2, c.fillX2);
        EXPECT_EQ(slideFills[0].y2, 158);
        EXPECT_TRUE(slideFills[0].brush.pattern);
        EXPECT_FALSE(slideFills[0].pen);
    }
    std::vector<SurfaceCall> slideCopies;
    for (const SurfaceCall& call : window.dc.ofKind(CallKind::CopyFrom))
        if (inView(call)) slideCopies.push_back(call);
    if (c.copyW == 0) {
        EXPECT_TRUE(slideCopies.empty());
    } else {
        ASSERT_EQ(slideCopies.size(), 1u);
        EXPECT_EQ(slideCopies[0].x1, c.copyX);
        EXPECT_EQ(slideCopies[0].x2, c.copyW);
        EXPECT_EQ(slideCopies[0].sx, c.copyU);
        EXPECT_EQ(slideCopies[0].sy, 52);
    }
}

// The view spans window columns 406 .. 541 (b = 127); c0 = S + 112 is the
// slide column shown at its first column.
INSTANTIATE_TEST_SUITE_P(
    Ends, CursorViewAtSlideEnd,
    ::testing::Values(SlideEndCase{"LeftEndInView", -158, 406, 453, 452, 90, 0},
                      // The slide's column 0 on the view's last column (c0 = -135).
                      SlideEndCase{"LeftEndOnTheLastColumn", -247, 406, 542, 541, 1, 0},
                      SlideEndCase{"LeftEndJustPastTheView", -248, 406, 543, 0, 0, 0},
                      SlideEndCase{"LeftEndFarPastTheView", -400, 406, 543, 0, 0, 0},
                      SlideEndCase{"RightEndInView", 2100, 495, 543, 406, 89, 2212},
                      SlideEndCase{"RightEndOnTheFirstColumn", 2187, 408, 543, 406, 2, 2299},
                      SlideEndCase{"RightEndPastTheView", 2200, 406, 543, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CursorViewAtSlideEnd, AwayFromTheEndsCopiesTwoBlocksAroundTheHairline) {
    Window window;
    window.state.SlidePos = 6390000;
    window.state.CursorPos = 3000 * (2052 + 78 + 1050) - window.state.SlidePos;  // S = 2052
    window.paint(kRedrawCursor);
    ExpectCopy(window, {kCursorLeft, 91, 66, 66, 2164, 52});
    ExpectCopy(window, {kCursorRight, 91, 69, 66, 2231, 52});
}

// --- Widths ---------------------------------------------------------------

class Widths : public ::testing::TestWithParam<int> {};

TEST_P(Widths, PlaceTheGlassTheRightViewAndTheOutlinesByTheExtraWidth) {
    const int a = GetParam();
    const int b = a / 2;
    Window window;
    window.a = a;
    window.state.CxSize = static_cast<int16_t>(a);
    window.paint(kRedrawAll);
    const RecordingSurface& dc = window.dc;

    const std::optional<SurfaceCall> hairline = dc.findLine(345 + b, 39, 345 + b, 209);
    ASSERT_TRUE(hairline);
    EXPECT_EQ(hairline->pen, kRed);
    for (int x : {276, 277, 278}) {
        const std::optional<SurfaceCall> separator = dc.findLine(x + b, 38, x + b, 209);
        ASSERT_TRUE(separator) << x;
        EXPECT_EQ(separator->pen, kGrey);
    }
    const struct {
        int x1, y1, x2, y2;
        Rgb pen;
    } frames[] = {
        {0, 39, 625 + a, 209, kBlack},      {0, 90, 625 + a, 158, kBlack},
        {217 + b, 37, 418 + b, 211, kGrey}, {218 + b, 36, 417 + b, 212, kGrey},
        {219 + b, 38, 416 + b, 210, kGrey},
    };
    for (const auto& f : frames) {
        const std::optional<SurfaceCall> frame = dc.findRectangle(f.x1, f.y1, f.x2, f.y2);
        ASSERT_TRUE(frame) << f.x1 << "," << f.y1;
        EXPECT_EQ(frame->pen, f.pen);
        EXPECT_EQ(frame->brush, BrushState{});
    }
    for (int y1 : {36, 209}) {
        const std::optional<SurfaceCall> erase = dc.findRectangle(89, y1, 625 + a, y1 + 4);
        ASSERT_TRUE(erase) << y1;
        EXPECT_TRUE(erase->brush.pattern);
        EXPECT_FALSE(erase->pen);
    }
    ExpectCopy(window, {88, 40, 129 + b, 50, 69, 1});
    ExpectCopy(window, {418 + b, 40, 128 + a - b, 50, 2101 + b - a, 1});
    ExpectCopy(window, {1, 40, 29, 168, 1, 1});
    ExpectCopy(window, {604 + a, 40, 20, 168, 27, 1});
    // The hairline is drawn last, over the view.
    EXPECT_EQ(dc.calls().back().kind, CallKind::Line);
    EXPECT_EQ(dc.calls().back().x1, 345 + b);
}

INSTANTIATE_TEST_SUITE_P(ExtraWidths, Widths, ::testing::Values(0, 255, 1001),
                         [](const auto& info) { return "A" + std::to_string(info.param); });

// --- Text background and bookkeeping ---------------------------------------

TEST(PaintRuleTest, FullPaintDrawsTextsTransparentPartialPaintOpaqueGrey) {
    Window window;
    window.paint(kRedrawAll);
    ASSERT_FALSE(window.dc.texts().empty());
    for (const SurfaceCall& text : window.dc.texts()) EXPECT_FALSE(text.textBackground);

    window.state.CursorPos += 3000;
    window.paint(kRedrawCursor);
    ASSERT_FALSE(window.dc.texts().empty());
    for (const SurfaceCall& text : window.dc.texts()) EXPECT_EQ(text.textBackground, kLightGrey);
    EXPECT_FALSE(window.copyAt(1, 40)) << "the end pieces belong to full paints";
}

TEST(PaintRuleTest, RecordsWhatItDrewAndLeavesTheHintAtEverything) {
    Window window;
    window.paint(kRedrawAll);
    window.state.SlidePos = 2500000;  // the right index is off the stator
    window.state.CursorPos = 1000000;
    window.state.NumFoucs = 20;
    window.redraw.PaintedFlag = 0;
    window.paint(kRedrawSlide | kRedrawCursor);

    EXPECT_EQ(window.redraw.RedrawHint, kRedrawAll);
    EXPECT_EQ(window.redraw.PaintedFlag, 1);
    EXPECT_EQ(window.redraw.EverPainted, 0) << "only the window's paint sets it";
    EXPECT_EQ(window.redraw.DrawnSlidePos, 2500000);
    EXPECT_EQ(window.redraw.DrawnCursorPos, 1000000);
    EXPECT_EQ(window.state.NumFoucs, 4) << "the focus moved to the left index's D";
    EXPECT_EQ(window.painter.CursorSlideSource, ComputeRulePixels(window.state).S);
    EXPECT_EQ(window.painter.lastLeftFollow, ComputeRulePixels(window.state).LeftFollow);
}

TEST(PaintWindowTest, DrawsTheLabelsOverTheirWhiteEdgeAndTheEndPieces) {
    Window window;
    const Rgb buttonText{1, 2, 3};
    const PaintPlan plan =
        PreparePaint(window.state, window.redraw, window.table, window.memory, kA);
    PaintWindow(window.dc, window.body, window.state, window.table, plan, window.memory,
                window.redraw, buttonText);
    EXPECT_EQ(window.redraw.EverPainted, 1);

    std::vector<SurfaceCall> labels;
    for (const SurfaceCall& text : window.dc.texts())
        if (text.font == FontId::Bold) labels.push_back(text);
    ASSERT_EQ(labels.size(), 4u);
    const struct {
        const char* text;
        int x, y;
        Rgb colour;
    } expected[] = {{"SLIDE", 14, 228, kWhite},
                    {"CURSOR", 14, 264, kWhite},
                    {"SLIDE", 12, 226, buttonText},
                    {"CURSOR", 12, 262, buttonText}};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].text, expected[i].text);
        EXPECT_EQ(labels[i].x1, expected[i].x);
        EXPECT_EQ(labels[i].y1, expected[i].y);
        EXPECT_EQ(labels[i].textColour, expected[i].colour);
        EXPECT_FALSE(labels[i].textBackground);
        EXPECT_EQ(labels[i].align, TextAlign::LeftTop);
    }
    // The end pieces come last, over the outlines.
    const std::vector<SurfaceCall> copies = window.dc.ofKind(CallKind::CopyFrom);
    ASSERT_GE(copies.size(), 2u);
    EXPECT_EQ(copies[copies.size() - 2].x1, 1);
    EXPECT_EQ(copies.back().x1, 604 + kA);
    EXPECT_EQ(window.dc.calls().back().kind, CallKind::CopyFrom);
}

}  // namespace
}  // namespace tesmark

namespace tesmark {
namespace {

// What a paint says it changes: a cursor step only the cursor's column (the
// glass's view and its box), a slide step the index views and boxes too, a
// full paint the whole rule area, and a paint with nothing to do nothing.
TEST(PaintDamageTest, NamesTheBlocksAndBoxesEachKindOfPaintRewrites) {
    Window window;
    window.paint(kRedrawAll);
    const auto damageOf = [&window](int16_t hint) {
        window.redraw.RedrawHint = hint;
        const int16_t lastSource = window.painter.CursorSlideSource;
        const PaintPlan plan =
            PreparePaint(window.state, window.redraw, window.table, window.memory, kA);
        return PaintDamage(plan, lastSource);
    };
    EXPECT_EQ(damageOf(kRedrawAll), (std::vector<PixelRect>{{0, 36, 625 + kA, 213}}));
    EXPECT_TRUE(damageOf(kRedrawNothing).empty());

    window.state.CursorPos += 3000;
    const std::vector<PixelRect> cursorStep = damageOf(kRedrawCursor);
    EXPECT_EQ(cursorStep, (std::vector<PixelRect>{{279 + kB, 40, 415 + kB, 90},
                                                  {279 + kB, 158, 415 + kB, 208},
                                                  {279 + kB, 91, 415 + kB, 157},
                                                  {220 + kB, 40, 276 + kB, 90},
                                                  {220 + kB, 158, 276 + kB, 208},
                                                  {220 + kB, 91, 276 + kB, 157}}));
    window.state.CursorPos -= 3000;

    window.state.SlidePos += 3000;
    const std::vector<PixelRect> slideStep = damageOf(kRedrawSlide);
    EXPECT_EQ(slideStep.front(), (PixelRect{88, 40, 217 + kB, 208})) << "the left index view";
    EXPECT_EQ(slideStep[1], (PixelRect{418 + kB, 40, 546 + kA, 208})) << "the right index view";
    EXPECT_EQ(slideStep.back(), (PixelRect{546 + kA, 40, 604 + kA, 208})) << "the right box";
}

}  // namespace
}  // namespace tesmark
