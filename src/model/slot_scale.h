#pragma once
// What a reading slot shows: the scale of its row on the face the state
// shows, where the slot stands, and for the log-log rows which LL scale.
// The operations ask this instead of testing slot numbers, so the facts of
// the 22 cells live in one place (their places in reading_table.h, their
// scales here).
#include <cstdint>

#include "model/reading_table.h"
#include "model/rule_state.h"

namespace tesmark {

enum class ScaleKind : uint8_t {
    None,  // front R0 (the brand line) and slots outside 1..22
    K,
    A,
    B,
    T,  // T or T0
    S,  // S or S0
    C,
    D,
    DI,
    L,
    DF,
    CF,
    CIF,
    CI,
    LL,       // LLk = e^(D / 10^(3 - k))
    RecipLL,  // LL/k = 1 / LLk
};

// R3..R6: the rows on the slide; the others lie on the stator.
inline constexpr bool IsSlideRow(int row) {
    return row >= 3 && row <= 6;
}

struct SlotScale {
    ScaleKind kind = ScaleKind::None;
    ReadingColumn column = ReadingColumn::Cursor;
    int row = -1;  // 0..9 from the top; -1 for a slot outside 1..22
    // The number k of LLk or LL/k: ScaleLL on R0 and R9, ScaleLL + 1 on R1
    // and R8 (the upper row of the pair); not held to 0..3. -1 elsewhere.
    int llScale = -1;

    bool exists() const { return row >= 0; }
    // The slide's own scales, read under the cursor.
    bool onSlide() const { return IsSlideRow(row); }
    bool atIndex() const { return exists() && column != ReadingColumn::Cursor; }
    bool logLog() const { return kind == ScaleKind::LL || kind == ScaleKind::RecipLL; }
    // R1 and R8 carry the pair's upper scale, LL(n+1) and LL/(n+1).
    bool upperLogLogRow() const { return logLog() && (row == 1 || row == 8); }
};

SlotScale ScaleOfSlot(int slot, const RuleState& state);

// The slot of a column that shows a log-log row of the pair: the reciprocal
// rows are R0 (LL/n) and R1 (LL/(n+1)), the others R9 (LLn) and R8 (LL(n+1)).
int LogLogSlot(ReadingColumn column, bool reciprocal, bool upper);

// The same row in the other index column (1 <-> 17 ... 6 <-> 22); a cursor
// slot or a slot outside 1..22 comes back unchanged.
int OtherIndexSlot(int slot);

}  // namespace tesmark
