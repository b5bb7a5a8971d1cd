#include "ops/reading_hit_test.h"

#include <array>

#include "model/reading_table.h"
#include "ops/status_line.h"

namespace tesmark {

namespace {

// Row boundaries: row r holds kRowBounds[r] < y <= kRowBounds[r + 1].
constexpr std::array<int, 11> kRowBounds = {40, 58, 74, 92, 108, 124, 141, 159, 175, 193, 208};

int RowAt(int y) {
    for (std::size_t r = 0; r + 1 < kRowBounds.size(); ++r) {
        if (y > kRowBounds[r] && y <= kRowBounds[r + 1]) return static_cast<int>(r);
    }
    return -1;
}

struct ColumnBounds {
    ReadingColumn column;
    int left;   // exclusive
    int right;  // exclusive
};

}  // namespace

int16_t ReadingSlotAt(int x, int y, int cxSize, bool frontFace) {
    const int a = cxSize;
    const int b = a / 2;  // toward zero
    const std::array<ColumnBounds, 3> columns = {{
        {ReadingColumn::LeftIndex, 30, 89},
        {ReadingColumn::Cursor, 218 + b, 277 + b},
        {ReadingColumn::RightIndex, 546 + a, 605 + a},
    }};
    const int row = RowAt(y);
    int slot = 0;
    if (row >= 0) {
        for (const ColumnBounds& column : columns) {
            if (x > column.left && x < column.right) slot = SlotAt(column.column, row);
        }
    }
    if (frontFace && (slot == 1 || slot == 7 || slot == 17)) slot = 0;
    return static_cast<int16_t>(slot);
}

int16_t HitTestReadingSlot(RuleSession& session, WindowPort& port, int x, int y) {
    const int16_t slot = ReadingSlotAt(x, y, session.state.CxSize, session.state.SlideRev == 0);
    ClearStatus(session, port);
    return slot;
}

}  // namespace tesmark
