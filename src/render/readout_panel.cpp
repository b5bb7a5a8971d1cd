#include "render/readout_panel.h"

#include <optional>
#include <string>

#include "model/panel_style.h"
#include "render/window_layout.h"

namespace tesmark {
namespace {

using layout::BoxPart;
using layout::ReadoutColumnLayout;

// The blanks either side of a value overwrite what a wider old text left.
constexpr const char* kPadding = "    ";

// One readout column placed in the window.
struct PlacedColumn {
    ReadingColumn column;
    const ReadoutColumnLayout& layout;
    int offset;  // 0, b or a
};

// Paints one readout column or one group of its rows on the window surface.
class ColumnPainter {
  public:
    ColumnPainter(Surface& dc, const RuleState& state, const ReadingTable& table,
                  PlacedColumn column)
        : dc_(dc), state_(state), table_(table), column_(column) {}

    // The box part with the brush selected and no clip (fill conventions).
    void fill(const BoxPart& part) {
        dc_.rectangle(column_.layout.fillLeft + column_.offset, part.top,
                      column_.layout.fillRight + column_.offset, part.fillBottom);
    }

    // The rows of a part, clipped to the part's text clip. Rows the column
    // does not hold (an index column's slide rows) and rows the face leaves
    // empty are skipped.
    void drawRows(const BoxPart& part) {
        dc_.clip(column_.layout.clipLeft + column_.offset, part.top,
                 column_.layout.clipRight + column_.offset, part.clipBottom);
        for (int row = part.firstRow; row <= part.lastRow; ++row) drawRow(row);
    }

  private:
    void drawRow(int row) {
        const int slot = SlotAt(column_.column, row);
        if (slot == 0) return;
        const std::optional<PanelRowStyle> style = PanelStyleOfRow(row, state_);
        if (!style) return;
        const std::string text = kPadding + PanelText(table_[slot], row, state_) + kPadding;
        if (style->red) dc_.setTextColour(kRed);
        dc_.drawText(column_.layout.textCentre + column_.offset, layout::kReadoutRows[row].top,
                     text);
        if (style->red) dc_.setTextColour(kBlack);
    }

    Surface& dc_;
    const RuleState& state_;
    const ReadingTable& table_;
    PlacedColumn column_;
};

}  // namespace

int16_t ChangeFlags(const RuleState& state, const RedrawState& redraw, const PanelMemory& memory) {
    int flags = 0;
    if (state.SlidePos != redraw.DrawnSlidePos) flags |= kChangedSlide;
    if (state.CursorPos != redraw.DrawnCursorPos) flags |= kChangedCursor;
    if (state.SinNum != memory.lastSinNum) flags |= kChangedSinNum;
    if (state.NumFoucs != memory.lastNumFoucs) flags |= kChangedFocus;
    return static_cast<int16_t>(flags);
}

PanelPlan PlanReadouts(const RuleState& state, const RedrawState& redraw, const PanelMemory& memory,
                       int a) {
    PanelPlan plan;
    plan.hint = redraw.RedrawHint;
    plan.flags = ChangeFlags(state, redraw, memory);
    // Any change of the focus clears the boxes, also when SinNum changed in the
    // same paint (then the flags are not exactly kChangedFocus); otherwise the
    // old frame could survive in an index box or the cursor's slide rows.
    plan.focusChanged = state.NumFoucs != memory.lastNumFoucs;
    plan.widthChanged = a != memory.lastWidth;
    plan.a = a;
    return plan;
}

void RefreshPlannedReadings(const PanelPlan& plan, const RuleState& state, ReadingTable& table) {
    if (plan.redrawsLeftIndex()) RefreshReadings(ReadingGroup::LeftIndex, state, table);
    if (plan.redrawsCursorStator()) RefreshReadings(ReadingGroup::CursorStator, state, table);
    if (plan.redrawsCursorSlide()) RefreshReadings(ReadingGroup::CursorSlide, state, table);
    if (plan.redrawsRightIndex()) RefreshReadings(ReadingGroup::RightIndex, state, table);
}

void PaintReadouts(Surface& dc, const RuleState& state, const ReadingTable& table,
                   const PanelPlan& plan, PanelMemory& memory, TextBackdrop backdrop) {
    const int a = plan.a;
    const int b = layout::HalfExtra(a);
    const bool clearBoxes = plan.full() || plan.focusChanged;

    dc.setTextAlign(TextAlign::CentreTop);
    dc.setTextColour(kBlack);
    dc.setTextBackground(backdrop == TextBackdrop::Opaque ? std::optional<Rgb>(kLightGrey)
                                                          : std::nullopt);
    dc.setBrush(kLightGrey);
    dc.setPen(std::nullopt);

    memory.lastSinNum = state.SinNum;
    memory.lastNumFoucs = state.NumFoucs;
    memory.lastWidth = a;

    ColumnPainter left(dc, state, table, {ReadingColumn::LeftIndex, layout::kLeftReadout, 0});
    ColumnPainter cursor(dc, state, table, {ReadingColumn::Cursor, layout::kCursorReadout, b});
    ColumnPainter right(dc, state, table, {ReadingColumn::RightIndex, layout::kRightReadout, a});

    if (plan.redrawsLeftIndex()) {
        if (clearBoxes) {
            dc.clearClip();
            left.fill(layout::kUpperPart);
            left.fill(layout::kSlidePart);
            left.fill(layout::kLowerPart);
        }
        left.drawRows(layout::kUpperPart);
        left.drawRows(layout::kLowerPart);
    }

    if (plan.redrawsCursorStator()) {
        dc.clearClip();
        cursor.fill(layout::kUpperPart);
        cursor.fill(layout::kLowerPart);
        cursor.drawRows(layout::kUpperPart);
        cursor.drawRows(layout::kLowerPart);
    }

    if (plan.redrawsCursorSlide()) {
        if (clearBoxes) {
            dc.clearClip();
            cursor.fill(layout::kSlidePart);
        }
        cursor.drawRows(layout::kSlidePart);
    }

    if (plan.redrawsRightIndex()) {
        if (clearBoxes || plan.widthChanged) {
            dc.clearClip();
            right.fill(layout::kUpperPart);
            right.fill(layout::kSlidePart);
            right.fill(layout::kLowerPart);
        }
        right.drawRows(layout::kUpperPart);
        right.drawRows(layout::kLowerPart);
    }

    dc.clearClip();
    DrawFocusBox(dc, state.NumFoucs, state.CxSize);
}

void DrawFocusBox(Surface& dc, int slot, int cxSize) {
    const SlotPlace place = PlaceOfSlot(slot);
    if (place.row < 0) return;
    const layout::ReadoutColumnLayout* column = &layout::kCursorReadout;
    int offset = layout::HalfExtra(cxSize);
    if (place.column == ReadingColumn::LeftIndex) {
        column = &layout::kLeftReadout;
        offset = 0;
    } else if (place.column == ReadingColumn::RightIndex) {
        column = &layout::kRightReadout;
        offset = cxSize;
    }
    const int x1 = column->focusLeft + offset;
    const int x2 = column->focusRight + offset;
    const int top = layout::kReadoutRows[static_cast<std::size_t>(place.row)].top;
    const int bottom = layout::kReadoutRows[static_cast<std::size_t>(place.row)].focusBottom;

    // A closed path of four lines, each excluding its end point, which the
    // next line starts on.
    dc.setPen(kStockBlack);
    dc.line(x1, top, x1, bottom);
    dc.line(x1, bottom, x2, bottom);
    dc.line(x2, bottom, x2, top);
    dc.line(x2, top, x1, top);
}

}  // namespace tesmark
