#include "render/window_painter.h"

#include <cstdint>

#include "model/positions.h"
#include "render/window_layout.h"

namespace tesmark {
namespace {

using layout::RuleBand;

// The slide is followed once it stands more than 30 pixels from home.
constexpr int32_t kLeftFollowBelow = 10200 * PosFactor;   // 3,060,000
constexpr int32_t kRightFollowAbove = 10800 * PosFactor;  // 3,240,000
constexpr int16_t kFollowMargin = 30;                     // 300 units / (21000 / 2100) pixels
constexpr int16_t kHalfDecadePixels = 1050;
constexpr int16_t kCursorSlideShift = 78;  // S = sx - 78

// 32-bit sum with the wrap-around of two's complement hardware, without the
// undefined behaviour of signed overflow (positions beyond the kept range).
int32_t WrappingSum(int32_t x, int32_t y) {
    return static_cast<int32_t>(static_cast<uint32_t>(x) + static_cast<uint32_t>(y));
}

bool HasBit(int value, int bit) {
    return (value & bit) != 0;
}

// Block transfers and fills from the painting algorithm's point of view.
class RulePainter {
  public:
    RulePainter(Surface& target, const Surface& body) : target_(target), body_(body) {}

    // copy(x, y, w, h <- u, v): a w x h block of the body from (u, v) to (x, y).
    void copy(int x, int y, int w, int h, int u, int v) {
        target_.copyFrom(body_, x, y, w, h, u, v);
    }
    // One band of the rule, window columns x .. x + w - 1, from body column u.
    void copyBand(const RuleBand& band, int x, int w, int u) {
        copy(x, band.windowTop, w, band.height, u, band.bodyTop);
    }
    // Fill conventions: columns x1 .. x2 - 2, rows y1 .. y2 - 2, no outline.
    void fill(int x1, int y1, int x2, int y2) { target_.rectangle(x1, y1, x2, y2); }
    // Frame conventions: columns x1 and x2 - 1, rows y1 and y2 - 1.
    void frame(int x1, int y1, int x2, int y2) { target_.rectangle(x1, y1, x2, y2); }
    // A vertical line on rows y1 .. y2 - 1.
    void vline(int x, int y1, int y2) { target_.line(x, y1, x, y2); }

    void endPieces(int a) {
        const layout::EndPiece& left = layout::kLeftEndPiece;
        const layout::EndPiece& right = layout::kRightEndPiece;
        copy(left.x, left.y, left.w, left.h, left.bodyX, left.bodyY);
        copy(right.x + a, right.y, right.w, right.h, right.bodyX, right.bodyY);
    }

  private:
    Surface& target_;
    const Surface& body_;
};

struct ViewContext {
    RulePainter& paint;
    const RulePixels& px;
    const PainterMemory& last;  // the previous paint's follows and source
    int hint;
    int a;
    int b;
    bool widthChanged;
};

void PaintLeftIndexView(const ViewContext& v) {
    if (!HasBit(v.hint, kRedrawSlide)) return;
    const bool full = v.hint == kRedrawAll;
    const bool follows = v.px.LeftFollow != 0;
    const bool followed = v.last.lastLeftFollow != 0;
    const int s = layout::kLeftViewSource - v.px.LeftFollow;
    const int w = layout::kLeftViewBaseWidth + v.b;
    // While the view keeps following the slide, its stator moves and the
    // slide stands still in it; otherwise the stator stands still.
    if (follows || followed || full) {
        v.paint.copyBand(layout::kUpperStator, layout::kLeftViewX, w, s);
        v.paint.copyBand(layout::kLowerStator, layout::kLeftViewX, w, s);
    }
    if (!(follows && followed && !full)) {
        v.paint.copyBand(layout::kSlideBand, layout::kLeftViewX, w, s + v.px.Z);
    }
}

void PaintRightIndexView(const ViewContext& v) {
    if (!HasBit(v.hint, kRedrawSlide) && !v.widthChanged) return;
    const bool full = v.hint == kRedrawAll;
    const bool follows = v.px.RightFollow != 0;
    const bool followed = v.last.lastRightFollow != 0;
    const int r = layout::kRightViewSource + v.b - v.a - v.px.RightFollow;
    const int x = layout::kRightViewX + v.b;
    const int w = layout::kRightViewBaseWidth + v.a - v.b;
    if (follows || followed || full || v.widthChanged) {
        v.paint.copyBand(layout::kUpperStator, x, w, r);
        v.paint.copyBand(layout::kLowerStator, x, w, r);
    }
    if (!(follows && followed && !full && !v.widthChanged)) {
        v.paint.copyBand(layout::kSlideBand, x, w, r + v.px.Z);
    }
}

// The stator under the glass, in two blocks either side of the hairline.
void PaintCursorStator(const ViewContext& v) {
    if (!HasBit(v.hint, kRedrawCursor)) return;
    const int leftX = layout::kCursorViewX + v.b;
    const int rightX = layout::kCursorRightBlockX + v.b;
    const int leftSource = v.px.cx + layout::kCursorLeftSourceOffset;
    const int rightSource = v.px.cx + layout::kCursorRightSourceOffset;
    for (const RuleBand* band : {&layout::kUpperStator, &layout::kLowerStator}) {
        v.paint.copyBand(*band, leftX, layout::kCursorLeftBlockWidth, leftSource);
        v.paint.copyBand(*band, rightX, layout::kCursorRightBlockWidth, rightSource);
    }
}

// The slide under the glass. Near an end of the slide the view shows the
// window background beside it.
void PaintCursorSlide(const ViewContext& v, Surface& target) {
    const int S = v.px.S;
    if (!HasBit(v.hint, kRedrawSlide | kRedrawCursor) && S == v.last.CursorSlideSource) return;
    const RuleBand& band = layout::kSlideBand;
    const int viewX = layout::kCursorViewX + v.b;
    const int top = band.windowTop;
    const int bottom = band.windowTop + band.height + 1;  // fill conventions
    const int c0 = S + 112;  // the slide column shown at window column viewX

    if (c0 >= 0 && S <= 2052) {  // both ends of the slide lie outside the view
        v.paint.copyBand(band, viewX, layout::kCursorLeftBlockWidth, S + 112);
        v.paint.copyBand(band, layout::kCursorRightBlockX + v.b, layout::kCursorRightBlockWidth,
                         S + 179);
        return;
    }

    target.setPatternBrush();
    target.setPen(std::nullopt);
    if (c0 < 0) {
        // The slide's left end (column 0) is in view, or right of it. k is
        // one less than c0, down to -137 when the whole row is background.
        const int k = (-c0 < 137) ? S + 111 : -137;
        v.paint.fill(viewX, top, viewX - k, bottom);
        // The last column of the view shows the slide's column 0 at k = -136;
        // the copy has a width of 137 + k, at least one column.
        if (k > -137) v.paint.copyBand(band, viewX - 1 - k, 137 + k, S - k + 111);
    } else {
        // The slide's right end (column 2300) is in view.
        const int m = (S < 2188) ? S - 2189 : 0;
        v.paint.fill(viewX - m, top, layout::kCursorViewX + layout::kCursorViewWidth + 1 + v.b,
                     bottom);
        if (m < 0) v.paint.copyBand(band, viewX, -m, c0);
    }
}

// The cursor glass, the separator between the cursor's box and its view, the
// rule outlines and the hairline, over everything else.
void PaintGlassAndOutlines(Surface& target, RulePainter& paint, int a, int b) {
    const int right = kBaseClientWidth + a;

    // The glass frame stands out above and below the rule; those parts are
    // erased with the window background.
    target.setPatternBrush();
    target.setPen(std::nullopt);
    paint.fill(layout::kEraseBandLeft, layout::kEraseAboveTop, right, layout::kEraseAboveBottom);
    paint.fill(layout::kEraseBandLeft, layout::kEraseBelowTop, right, layout::kEraseBelowBottom);

    target.setPen(kBlack);
    target.setBrush(std::nullopt);
    paint.frame(0, layout::kRuleTop, right, layout::kRuleBottom);
    paint.frame(0, layout::kSlideOutlineTop, right, layout::kSlideOutlineBottom);

    target.setPen(kGrey);
    for (const layout::FrameRect& glass : layout::kGlassFrames) {
        paint.frame(glass.x1 + b, glass.y1, glass.x2 + b, glass.y2);
    }
    for (int x : layout::kSeparatorX) {
        paint.vline(x + b, layout::kSeparatorTop, layout::kSeparatorBottom);
    }

    target.setPen(kRed);
    paint.vline(layout::kHairlineX + b, layout::kRuleTop, layout::kRuleBottom);
}

}  // namespace

RulePixels ComputeRulePixels(const RuleState& state) {
    RulePixels px;
    px.Z = static_cast<int16_t>(PixelOf(state.SlidePos) - kHalfDecadePixels);
    px.cx = PixelOf(state.CursorPos);
    px.sx = static_cast<int16_t>(PixelOf(WrappingSum(state.CursorPos, state.SlidePos)) -
                                 kHalfDecadePixels);
    px.LeftFollow =
        state.SlidePos < kLeftFollowBelow ? static_cast<int16_t>(kFollowMargin + px.Z) : 0;
    px.RightFollow =
        state.SlidePos > kRightFollowAbove ? static_cast<int16_t>(px.Z - kFollowMargin) : 0;
    px.S = static_cast<int16_t>(px.sx - kCursorSlideShift);
    return px;
}

PaintPlan PreparePaint(RuleState& state, RedrawState& redraw, ReadingTable& table,
                       const PaintMemory& memory, int a) {
    PaintPlan plan;
    plan.a = a;
    plan.widthChanged = a != memory.painter.lastWidth;
    plan.px = ComputeRulePixels(state);
    ApplyFocusFixUp(state);

    // A view whose pixels moved is repainted whatever the move's own pixel
    // test said (see the header).
    if (memory.painter.drawnZ != plan.px.Z) redraw.RedrawHint |= kRedrawSlide;
    if (memory.painter.drawnCx != plan.px.cx) redraw.RedrawHint |= kRedrawCursor;
    plan.hint = redraw.RedrawHint;

    plan.panel = PlanReadouts(state, redraw, memory.panel, a);
    RefreshPlannedReadings(plan.panel, state, table);
    return plan;
}

void PaintRule(Surface& target, const Surface& body, const RuleState& state,
               const ReadingTable& table, const PaintPlan& plan, PaintMemory& memory,
               RedrawState& redraw) {
    const int a = plan.a;
    const int b = layout::HalfExtra(a);
    const RulePixels& px = plan.px;
    PainterMemory& painter = memory.painter;
    painter.lastWidth = a;
    // What the views drew last, before they record what they draw now: the
    // damage of this paint depends on it.
    const int16_t lastCursorSlideSource = painter.CursorSlideSource;

    RulePainter paint(target, body);

    // A fresh device context draws text on an opaque background, which a
    // partial paint of the panel relies on; a full paint clears the boxes and
    // draws its texts on a transparent background.
    TextBackdrop backdrop = TextBackdrop::Opaque;
    if (plan.hint == kRedrawAll) {
        backdrop = TextBackdrop::Transparent;
        target.setTextBackground(std::nullopt);
        paint.endPieces(a);
    }
    target.setFont(FontId::Normal);

    const ViewContext views{paint, px, painter, plan.hint, a, b, plan.widthChanged};
    PaintLeftIndexView(views);
    PaintRightIndexView(views);
    PaintCursorStator(views);
    PaintCursorSlide(views, target);

    painter.lastLeftFollow = px.LeftFollow;
    painter.lastRightFollow = px.RightFollow;
    painter.CursorSlideSource = px.S;
    painter.drawnZ = px.Z;
    painter.drawnCx = px.cx;

    PaintReadouts(target, state, table, plan.panel, memory.panel, backdrop);
    if (plan.hint == kRedrawAll) {
        PaintGlassAndOutlines(target, paint, a, b);
    } else {
        // The glass and the outlines lie over everything, but a partial
        // paint covered them only inside its damage; elsewhere they still
        // stand, and drawing the rule's frame and the erase bands across the
        // whole width again would cost more than the step itself.
        for (const PixelRect& r : PaintDamage(plan, lastCursorSlideSource)) {
            target.clip(r.left, r.top, r.right, r.bottom);
            PaintGlassAndOutlines(target, paint, a, b);
        }
        target.clearClip();
    }

    redraw.PaintedFlag = 1;
    redraw.DrawnSlidePos = state.SlidePos;
    redraw.DrawnCursorPos = state.CursorPos;
    redraw.RedrawHint = kRedrawAll;
}

void PaintWindow(Surface& target, const Surface& body, const RuleState& state,
                 const ReadingTable& table, const PaintPlan& plan, PaintMemory& memory,
                 RedrawState& redraw, LabelColours labels, bool labelsExposed) {
    PaintRule(target, body, state, table, plan, memory, redraw);
    if (labelsExposed) PaintBarLabels(target, labels);
    RulePainter(target, body).endPieces(plan.a);
    redraw.EverPainted = 1;
}

std::vector<PixelRect> PaintDamage(const PaintPlan& plan, int16_t lastCursorSlideSource) {
    const int a = plan.a;
    const int b = layout::HalfExtra(a);
    const int right = kBaseClientWidth + a;
    if (plan.hint == kRedrawAll) {
        // The glass frame stands out 3 pixels above and below the rule.
        return {{0, layout::kEraseAboveTop, right, layout::kEraseBelowBottom}};
    }
    const int top = layout::kUpperStator.windowTop;
    const int bottom = layout::kLowerStator.windowTop + layout::kLowerStator.height;
    const int slideTop = layout::kSlideBand.windowTop;
    const int slideBottom = slideTop + layout::kSlideBand.height;
    const int upperBottom = layout::kUpperStator.windowTop + layout::kUpperStator.height;
    const int lowerTop = layout::kLowerStator.windowTop;
    const int cursorLeft = layout::kCursorViewX + b;
    const int cursorRight = layout::kCursorRightBlockX + layout::kCursorRightBlockWidth + b;

    std::vector<PixelRect> damage;
    const bool slide = HasBit(plan.hint, kRedrawSlide);
    const bool cursor = HasBit(plan.hint, kRedrawCursor);
    if (slide) {
        damage.push_back(
            {layout::kLeftViewX, top, layout::kLeftViewX + layout::kLeftViewBaseWidth + b, bottom});
    }
    if (slide || plan.widthChanged) {
        damage.push_back({layout::kRightViewX + b, top,
                          layout::kRightViewX + layout::kRightViewBaseWidth + a, bottom});
    }
    if (cursor) {
        damage.push_back({cursorLeft, top, cursorRight, upperBottom});
        damage.push_back({cursorLeft, lowerTop, cursorRight, bottom});
    }
    if (slide || cursor || plan.px.S != lastCursorSlideSource) {
        damage.push_back({cursorLeft, slideTop, cursorRight, slideBottom});
    }

    // The readout boxes, as the panel's fills cover them.
    const PanelPlan& panel = plan.panel;
    auto box = [&](const layout::ReadoutColumnLayout& column, int offset,
                   const layout::BoxPart& first, const layout::BoxPart& last) {
        damage.push_back({column.fillLeft + offset, first.top, column.fillRight + offset - 1,
                          last.fillBottom - 1});
    };
    if (panel.redrawsLeftIndex())
        box(layout::kLeftReadout, 0, layout::kUpperPart, layout::kLowerPart);
    if (panel.redrawsCursorStator()) {
        box(layout::kCursorReadout, b, layout::kUpperPart, layout::kUpperPart);
        box(layout::kCursorReadout, b, layout::kLowerPart, layout::kLowerPart);
    }
    if (panel.redrawsCursorSlide()) {
        box(layout::kCursorReadout, b, layout::kSlidePart, layout::kSlidePart);
    }
    if (panel.redrawsRightIndex()) {
        box(layout::kRightReadout, a, layout::kUpperPart, layout::kLowerPart);
    }
    return damage;
}

void PaintBarLabels(Surface& target, LabelColours colours) {
    target.setFont(FontId::Bold);
    target.setTextBackground(std::nullopt);
    target.setTextAlign(TextAlign::LeftTop);
    target.setTextColour(colours.edge);
    for (const layout::BarLabel& label : layout::kBarLabels) {
        target.drawText(label.x + layout::kLabelShadowOffset, label.y + layout::kLabelShadowOffset,
                        label.text);
    }
    target.setTextColour(colours.text);
    for (const layout::BarLabel& label : layout::kBarLabels) {
        target.drawText(label.x, label.y, label.text);
    }
}

}  // namespace tesmark
