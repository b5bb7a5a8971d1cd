#include "model/reading_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tesmark {
namespace {

// Far outside the kept range of positions a power of ten can underflow to 0
// or overflow to infinity; the readings then rely on IEEE arithmetic (1 / 0
// is infinity, atan of infinity a right angle) instead of failing.
static_assert(std::numeric_limits<double>::is_iec559);

// The ten-digit constants the rule has always used; the readings would shift
// in their last digits with the full-precision values.
constexpr double kPi = 3.141592653;
constexpr double kE = 2.718281828;
constexpr double kTenOverPi = 3.183098862435492;
constexpr double kDegreesPerHalfTurn = 180.0;

double SqrtTen() {
    static const double value = std::sqrt(10.0);
    return value;
}

// The folded scales DF and CF are shifted by this factor.
double FoldFactor(const RuleState& state) {
    return state.ScalePI != 0 ? SqrtTen() : kPi;
}

// The integer parts of the formulas are 32-bit expressions. For positions in
// the kept range (MinKeptPos .. MaxKeptPos) and options 0..2 none of them
// comes near the 32-bit limits; for anything else (a hand-edited profile) the
// sum is taken in 64 bits and wrapped to 32 bits the way two's complement
// hardware wraps, so no input is undefined behaviour.
int32_t Wrap32(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

// "/ 21000 / PosFactor": two successive double divisions, in this order.
double InDecades(double units) {
    return units / 21000.0 / PosFactor;
}

// Mantissa of the D value at the slide's left (and right) index.
double IndexMantissa(int32_t slidePos) {
    const int32_t offset = Wrap32(int64_t{10500} * PosFactor - slidePos);
    return Normalise(std::pow(10.0, InDecades(offset)));
}

// The DF reading: the folded D value, brought back under 10 by one division.
double FoldedIntoDecade(double folded) {
    return folded >= 10.0 ? folded / 10.0 : folded;
}

// e^(10^(units in decades)): a log-log reading from an exponent in position units.
double LogLog(int32_t exponentUnits) {
    return std::pow(kE, std::pow(10.0, InDecades(exponentUnits)));
}

// The exponent of the log-log scales at an index: integer((21000 n - k) PosFactor - SlidePos).
int32_t IndexLogLogUnits(int16_t n, int32_t k, int32_t slidePos) {
    return Wrap32((int64_t{21000} * n - k) * PosFactor - slidePos);
}

void FillNoReading(ReadingTable& table, int first, int last) {
    for (int slot = first; slot <= last; ++slot) table[slot] = NoReading;
}

// DI at the slide index and the L reading; the index columns share them.
double IndexDi(int32_t slidePos) {
    return Normalise(std::pow(10.0, InDecades(10500.0 * PosFactor + slidePos)));
}
double IndexL(int32_t slidePos) {
    return 1.0 - InDecades(10500.0 * PosFactor + slidePos);
}

// The two index columns differ only in their slots, their availability and
// the log-log offsets of their rows: the right index stands one decade right
// of the left one, so both share the D mantissa.
struct IndexColumn {
    int firstSlot;               // the slot of row R0
    bool (*available)(int32_t);  // whether the index stands on the stator
    int32_t nearOffset;          // LL(n+1) and LL/(n+1)
    int32_t farOffset;           // LLn and LL/n
};

constexpr IndexColumn kLeftIndexColumn{1, LeftIndexAvailable, 31500, 52500};
constexpr IndexColumn kRightIndexColumn{17, RightIndexAvailable, 10500, 31500};

void RefreshIndexColumn(const IndexColumn& column, const RuleState& state, ReadingTable& table) {
    const int first = column.firstSlot;  // slots first .. first + 5: R0, R1, R2, R7, R8, R9
    if (!column.available(state.SlidePos)) {
        FillNoReading(table, first, first + 5);
        return;
    }
    const double v = IndexMantissa(state.SlidePos);
    if (state.SlideRev == 0) {
        table[first] = NoReading;
        table[first + 2] = v * v;
        table[first + 1] = (v * v) * v;
        table[first + 3] = v;
        table[first + 4] = IndexDi(state.SlidePos);
        table[first + 5] = IndexL(state.SlidePos);
        return;
    }
    const int16_t n = state.ScaleLL;
    table[first + 2] = FoldedIntoDecade(FoldFactor(state) * v);
    table[first + 1] = 1 / LogLog(IndexLogLogUnits(n, column.nearOffset, state.SlidePos));
    table[first] = 1 / LogLog(IndexLogLogUnits(n, column.farOffset, state.SlidePos));
    table[first + 3] = v;
    table[first + 4] = LogLog(IndexLogLogUnits(n, column.nearOffset, state.SlidePos));
    table[first + 5] = LogLog(IndexLogLogUnits(n, column.farOffset, state.SlidePos));
}

void RefreshCursorStator(const RuleState& state, ReadingTable& table) {
    const double cursor = state.CursorPos;
    const double d = std::pow(10.0, InDecades(cursor));
    table[14] = d;
    if (state.SlideRev == 0) {
        // R0 carries no scale on the front; keep the cell marked as empty so
        // that nothing can mistake an old back-face value for a reading.
        table[7] = NoReading;
        table[9] = d * d;
        table[8] = (d * d) * d;
        table[15] = Normalise(std::pow(10.0, InDecades(21000.0 * PosFactor - cursor)));
        table[16] = InDecades(cursor) + 1.0;
        return;
    }
    const int16_t n = state.ScaleLL;
    table[9] = FoldedIntoDecade(FoldFactor(state) * d);
    const int32_t k2 = Wrap32((2 - int64_t{n}) * PosFactor * 21000);
    const int32_t k3 = Wrap32((3 - int64_t{n}) * PosFactor * 21000);
    // The differences are taken in doubles: exact for any two 32-bit values.
    const double upper = std::pow(kE, std::pow(10.0, InDecades(cursor - k2)));
    const double lower = std::pow(kE, std::pow(10.0, InDecades(cursor - k3)));
    table[8] = 1 / upper;
    table[7] = 1 / lower;
    table[15] = upper;
    table[16] = lower;
}

void RefreshCursorSlide(const RuleState& state, ReadingTable& table) {
    const double cursor = state.CursorPos;
    const double slide = state.SlidePos;
    const double home = HomePos;
    const double c = std::pow(10.0, InDecades(cursor - home + slide));
    table[13] = c;
    if (state.SlideRev == 0) {
        table[10] = c * c;
        // q = 10^(1 + ScaleST) / C: the slide's value seen from the S and T scales.
        const int32_t stShift = Wrap32(int64_t{state.ScaleST} * PosFactor * 21000);
        const double q = std::pow(10.0, InDecades(31500.0 * PosFactor - cursor - slide + stShift));
        const double tangent = std::atan(state.SinNum != 0 ? q : 1.0 / q);
        table[11] = tangent * kDegreesPerHalfTurn / kPi;
        // The sine argument is held at 1 once C passes the scale's end.
        const double sineArgument = 1.0 / std::max(1.0, q);
        const double angle = state.SinNum != 0 ? std::acos(sineArgument) : std::asin(sineArgument);
        table[12] = angle * kDegreesPerHalfTurn / kPi;
        return;
    }
    table[10] = Normalise(FoldFactor(state) * c);
    const double t = std::pow(10.0, InDecades(home - slide - cursor));
    table[12] = Normalise(t);
    const double inverseFold = state.ScalePI != 0 ? SqrtTen() : kTenOverPi;
    table[11] = Normalise(inverseFold * t);
}

}  // namespace

double Normalise(double v) {
    // Zero, negatives, infinities and NaN have no mantissa; the loops below
    // would never end for them, so they come back unchanged.
    if (!(v > 0.0) || std::isinf(v)) return v;
    while (v < 1.0) v *= 10.0;
    while (v >= 10.0) v /= 10.0;
    return v;
}

bool LeftIndexAvailable(int32_t slidePos) {
    return slidePos < 12500 * PosFactor;
}
bool RightIndexAvailable(int32_t slidePos) {
    return slidePos > 8500 * PosFactor;
}

void RefreshReadings(ReadingGroup group, const RuleState& state, ReadingTable& table) {
    switch (group) {
        case ReadingGroup::LeftIndex:
            RefreshIndexColumn(kLeftIndexColumn, state, table);
            return;
        case ReadingGroup::CursorStator:
            RefreshCursorStator(state, table);
            return;
        case ReadingGroup::CursorSlide:
            RefreshCursorSlide(state, table);
            return;
        case ReadingGroup::RightIndex:
            RefreshIndexColumn(kRightIndexColumn, state, table);
            return;
    }
}

void RefreshAllReadings(const RuleState& state, ReadingTable& table) {
    RefreshReadings(ReadingGroup::LeftIndex, state, table);
    RefreshReadings(ReadingGroup::CursorStator, state, table);
    RefreshReadings(ReadingGroup::CursorSlide, state, table);
    RefreshReadings(ReadingGroup::RightIndex, state, table);
}

ReadingGroup GroupOfSlot(int slot) {
    if (slot >= 10 && slot <= 13) return ReadingGroup::CursorSlide;
    switch (PlaceOfSlot(slot).column) {
        case ReadingColumn::LeftIndex:
            return ReadingGroup::LeftIndex;
        case ReadingColumn::RightIndex:
            return ReadingGroup::RightIndex;
        case ReadingColumn::Cursor:
            break;
    }
    return ReadingGroup::CursorStator;
}

double CurrentReading(int slot, const RuleState& state) {
    if (slot < 1 || slot > kSlotCount) return NoReading;
    ReadingTable table;
    RefreshReadings(GroupOfSlot(slot), state, table);
    return table[slot];
}

void ApplyFocusFixUp(RuleState& state) {
    // The bounds stay strict: at exactly 2,550,000 (or 3,750,000) the focus
    // keeps its place on the column without a reading, whose value is then
    // NoReading, which every user of the focus already treats as "none".
    // Tab and Shift+Tab test the same two strict bounds, so moving the fix-up
    // alone would make the two disagree at these positions.
    if (state.SlidePos < 8500 * PosFactor && state.NumFoucs >= 17 && state.NumFoucs <= 22) {
        state.NumFoucs = static_cast<int16_t>(state.NumFoucs - 16);
    } else if (state.SlidePos > 12500 * PosFactor && state.NumFoucs >= 1 && state.NumFoucs <= 6) {
        state.NumFoucs = static_cast<int16_t>(state.NumFoucs + 16);
    }
}

SlotPlace PlaceOfSlot(int slot) {
    if (slot >= 1 && slot <= 3) return {ReadingColumn::LeftIndex, slot - 1};
    if (slot >= 4 && slot <= 6) return {ReadingColumn::LeftIndex, slot + 3};
    if (slot >= 7 && slot <= 16) return {ReadingColumn::Cursor, slot - 7};
    if (slot >= 17 && slot <= 19) return {ReadingColumn::RightIndex, slot - 17};
    if (slot >= 20 && slot <= 22) return {ReadingColumn::RightIndex, slot - 13};
    return {ReadingColumn::Cursor, -1};
}

int SlotAt(ReadingColumn column, int row) {
    if (row < 0 || row > 9) return 0;
    switch (column) {
        case ReadingColumn::Cursor:
            return 7 + row;
        case ReadingColumn::LeftIndex:
            if (row <= 2) return 1 + row;
            return row >= 7 ? row - 3 : 0;
        case ReadingColumn::RightIndex:
            if (row <= 2) return 17 + row;
            return row >= 7 ? 13 + row : 0;
    }
    return 0;
}

}  // namespace tesmark
