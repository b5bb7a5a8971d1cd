#pragma once
// Painting the rule into the window. The rule is far wider than the window,
// so it is shown through three views: around the slide's left index, under
// the cursor glass (which stands still while the rule moves under it) and
// around the slide's right index. Nothing is drawn scale by scale here: the
// views are blocks copied from the composed rule body at offsets computed
// from SlidePos and CursorPos, with the frames, the hairline and the readout
// panel drawn over them. A paint after a move copies only the blocks that
// moved, as RedrawHint tells; every other paint redraws everything.
//
// A paint runs in two steps. PreparePaint makes every decision and every
// change of the state a paint implies: the focus fix-up, which views and
// reading groups to redraw, the refresh of those readings. PaintRule then
// only draws what the plan says, from a state it does not change, and
// records what it drew in the paint's own memory and the redraw bookkeeping.
#include <cstdint>
#include <optional>
#include <vector>

#include "model/reading_table.h"
#include "model/rule_state.h"
#include "render/readout_panel.h"
#include "render/redraw_state.h"
#include "render/surface.h"

namespace tesmark {

// The pixel offsets of one rule paint (16-bit values).
struct RulePixels {
    int16_t Z = 0;            // the slide's shift against the stator, > 0 to the left
    int16_t cx = 0;           // the hairline's position on the stator
    int16_t sx = 0;           // the hairline's position on the slide
    int16_t LeftFollow = 0;   // how far the left view follows the slide
    int16_t RightFollow = 0;  // how far the right view follows the slide
    int16_t S = 0;            // CursorSlideSource: sx - 78
};

RulePixels ComputeRulePixels(const RuleState& state);

// Remembered between rule paints by the views.
struct PainterMemory {
    int lastWidth = 0;  // the extra width a of the last rule paint
    int16_t lastLeftFollow = 0;
    int16_t lastRightFollow = 0;
    int16_t CursorSlideSource = -1;
    // Z and cx as last painted (none before the first paint).
    std::optional<int16_t> drawnZ;
    std::optional<int16_t> drawnCx;
};

// Everything a paint remembers of the paints before it.
struct PaintMemory {
    PainterMemory painter;
    PanelMemory panel;
};

// What the coming rule paint draws.
struct PaintPlan {
    RulePixels px;
    int16_t hint = kRedrawAll;  // RedrawHint, with the views whose pixels moved
    int a = 0;                  // the extra client width
    bool widthChanged = false;  // since the last rule paint
    PanelPlan panel;
};

// The decisions of a rule paint for the extra client width a, in the order
// the paint has always made them: the pixel offsets, the focus fix-up on the
// state, the views to redraw, then the readout panel's plan and the refresh
// of the reading groups it redraws.
//
// The moves decide whether they moved a pixel with their own pixel test,
// which rounds some positions (all negative ones, and a few exact halves)
// differently from the pixel mapping used here. So a view whose offset
// differs from the one last painted is repainted even when the hint does
// not name it; otherwise that view would stay a pixel off. That is added to
// RedrawHint here.
PaintPlan PreparePaint(RuleState& state, RedrawState& redraw, ReadingTable& table,
                       const PaintMemory& memory, int a);

// Paints the rule as planned: the three views, the readout panel, the cursor
// glass and the hairline. Records the drawn positions, sets PaintedFlag and
// leaves RedrawHint at 7.
void PaintRule(Surface& target, const Surface& body, const RuleState& state,
               const ReadingTable& table, const PaintPlan& plan, PaintMemory& memory,
               RedrawState& redraw);

// A rectangle of client pixels: columns left .. right - 1, rows top .. bottom - 1.
struct PixelRect {
    int left, top, right, bottom;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Every pixel a paint by the plan may change, as a list of rectangles that
// may overlap: the blocks of the views it copies and the readout boxes it
// rewrites (the glass, the outlines and the focus frame are redrawn where
// they stood, so they change nothing). A full paint changes the whole rule
// area. `lastCursorSlideSource` is the cursor view's slide source of the last
// paint (PainterMemory::CursorSlideSource); the labels are not included.
std::vector<PixelRect> PaintDamage(const PaintPlan& plan, int16_t lastCursorSlideSource);

// The colours of the "SLIDE" and "CURSOR" labels: the button text over an
// edge of the button highlight (white in a light colour scheme; a dark one
// needs a darker edge under its light text).
struct LabelColours {
    LabelColours(Rgb textColour, Rgb edgeColour = kWhite) : text(textColour), edge(edgeColour) {}
    Rgb text;
    Rgb edge;
};

// The window's paint: PaintRule, the "SLIDE" and "CURSOR" labels (over a
// copy in the edge colour 2 pixels right and below) and the two end pieces;
// sets EverPainted. The labels stand below the rule: a paint that only the
// rule area asked for (every move's) leaves them as they are, as the
// platform's clipping to the invalid area would.
void PaintWindow(Surface& target, const Surface& body, const RuleState& state,
                 const ReadingTable& table, const PaintPlan& plan, PaintMemory& memory,
                 RedrawState& redraw, LabelColours labels, bool labelsExposed = true);

// The bar labels alone: copies in the edge colour 2 pixels right and below,
// then the labels in the text colour.
void PaintBarLabels(Surface& target, LabelColours colours);

}  // namespace tesmark
