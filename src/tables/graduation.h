#pragma once
// Graduation tables: every scale of both faces is drawn from a precomputed
// list of marks (pixel position, tick length, label). They are built once
// and never change; the drawer only adds offsets to the stored positions.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tesmark {

struct GraduationMark {
    int16_t position = 0;    // pixels from the scale's reference end
    int16_t tickLength = 0;  // copied from a tick-length set
    int16_t label = 0;       // 0 none; meaning depends on the table
};

// A fixed-capacity table. `count` follows the table's own convention: the
// index of the last mark for the C/D family, the number of marks for LL.
template <std::size_t Capacity>
struct GraduationTable {
    std::array<GraduationMark, Capacity> marks{};
    int16_t count = 0;

    const GraduationMark& operator[](std::size_t i) const { return marks[i]; }
    GraduationMark& operator[](std::size_t i) { return marks[i]; }
    static constexpr std::size_t capacity() { return Capacity; }
};

struct TickLengths {
    int16_t shortTick;
    int16_t medium;
    int16_t longTick;
    int16_t halfIndex;  // a marker: drawn 7 long with an arrowhead when unlabelled
};

inline constexpr TickLengths PrimaryTicks{3, 5, 7, 9};
inline constexpr TickLengths SecondaryTicks{3, 5, 7, 0};

inline constexpr int16_t DecadeLength = 2100;
inline constexpr int16_t HalfDecadeLength = 1050;
inline constexpr int16_t ThirdDecadeLength = 700;
inline constexpr int16_t PiOffset = 1044;  // RoundPos(2100 * log10(3.141592653))

// Truncation toward zero of v + 0.5 into 16 bits: rounding half up for v >= 0,
// not for negative v (the LL builders rely on that).
int16_t RoundPos(double v);

inline constexpr int kLlScaleCount = 4;

struct GraduationTables {
    GraduationTable<360> CdTable;
    GraduationTable<170> AbTable;
    GraduationTable<170> KTable;  // shares its count with AbTable
    GraduationTable<330> STable;
    GraduationTable<380> TTable;
    GraduationTable<280> S0Table;
    GraduationTable<280> T0Table;
    GraduationTable<510> LTable;
    std::array<GraduationTable<380>, kLlScaleCount> LlTable;       // LL0..LL3
    std::array<GraduationTable<380>, kLlScaleCount> RecipLlTable;  // LL/0..LL/3
};

void BuildScaleTables(GraduationTables& tables);
void BuildLLTables(GraduationTables& tables);
void BuildReciprocalLLTables(GraduationTables& tables);

// All three builders in their order of construction.
void BuildAllTables(GraduationTables& tables);

// Label strings of the LL scales: entry k (1-based) of the list of LL<scale>
// or LL/<scale>. Each list ends with " ", which no mark refers to.
std::span<const std::string_view> LlLabelStrings(int scale, bool reciprocal);

// The text a mark with label k shows on LL<scale> or LL/<scale>; empty for
// k = 0 or an index outside the list.
std::string_view LlLabelText(int scale, bool reciprocal, int label);

}  // namespace tesmark
