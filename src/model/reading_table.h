#pragma once
// The 22 reading slots and their values: the left slide index, the cursor
// hairline and the right slide index, rows R0..R9 from the top.
#include <array>
#include <cstdint>

#include "model/rule_state.h"

namespace tesmark {

inline constexpr double NoReading = -99.0;
inline constexpr int kSlotCount = 22;

enum class ReadingColumn { LeftIndex, Cursor, RightIndex };
enum class ReadingGroup { LeftIndex, CursorStator, CursorSlide, RightIndex };

// One double per slot, indexed 1..22 (index 0 is unused). Only the refresh
// operations write it; everyone else reads the values of the last paint.
struct ReadingTable {
    std::array<double, kSlotCount + 1> values{};
    double operator[](int slot) const { return values[static_cast<std::size_t>(slot)]; }
    double& operator[](int slot) { return values[static_cast<std::size_t>(slot)]; }
};

// While v < 1 multiply by 10, then while v >= 10 divide by 10 (v > 0).
// Zero, negative and non-finite values have no mantissa and come back as
// they are.
double Normalise(double v);

bool LeftIndexAvailable(int32_t slidePos);   // SlidePos < 3,750,000
bool RightIndexAvailable(int32_t slidePos);  // SlidePos > 2,550,000

// Writes the slots of one group from the state. The front face stores
// NoReading in slot 7 (R0 carries no scale there) as well as in 1 and 17.
void RefreshReadings(ReadingGroup group, const RuleState& state, ReadingTable& table);
void RefreshAllReadings(const RuleState& state, ReadingTable& table);

// The group that refreshes a slot (1..22).
ReadingGroup GroupOfSlot(int slot);

// What a slot reads for the state as it is now, computed by the formulas of
// its group, whatever the table of the last paint holds; NoReading for a slot
// outside 1..22. Operations that chain several moves before a paint (a burst
// of keys) step from this value, not from the painted one.
double CurrentReading(int slot, const RuleState& state);

// Moves a focus on an index column that has no reading to the other index
// column (same row), as painting does before it draws the panel. The bounds
// are strict: at exactly 2,550,000 and 3,750,000 the focus stays where it is
// (and reads NoReading), matching the bounds of Tab and Shift+Tab.
void ApplyFocusFixUp(RuleState& state);

// Where a slot stands, and which slot stands at a column and row (0 if none).
// A slot outside 1..22 stands nowhere: row -1.
struct SlotPlace {
    ReadingColumn column;
    int row;  // 0..9
};
SlotPlace PlaceOfSlot(int slot);
int SlotAt(ReadingColumn column, int row);

}  // namespace tesmark
