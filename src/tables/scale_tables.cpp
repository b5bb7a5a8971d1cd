// The front-face tables: C/D, A/B, K, S, T, S0, T0 and L. Their count field
// holds the index of the last mark.
#include "tables/graduation.h"
#include "tables/mark_writer.h"
#include "tables/scale_positions.h"
#include "tables/scale_segments.h"

namespace tesmark {

namespace {

constexpr auto kLong = TickClass::Long;
constexpr auto kMedium = TickClass::Medium;

template <std::size_t Capacity>
MarkWriter WriterFor(GraduationTable<Capacity>& table, const TickLengths& ticks) {
    return MarkWriter(std::span<GraduationMark>(table.marks), ticks);
}

void BuildCdTable(GraduationTable<360>& table) {
    MarkWriter cd = WriterFor(table, PrimaryTicks);
    cd.Run(kCdSegments, CdPosition);
    cd.Fixed(DecadeLength, kLong, 10);
    table.count = cd.LastIndex();
}

// A/B and K walk the same values with one index, so they always hold the same
// number of marks.
void BuildAbAndKTables(GraduationTable<170>& ab, GraduationTable<170>& k) {
    MarkWriter abWriter = WriterFor(ab, PrimaryTicks);
    MarkWriter kWriter = WriterFor(k, PrimaryTicks);
    for (const PairedSegment& segment : kAbKSegments) {
        segment.sweep.ForEach([&](double x) {
            abWriter.Mark(AbPosition(x), segment.abTick, segment.abLabel, segment.sweep, x);
            kWriter.Mark(KPosition(x), segment.kTick, segment.kLabel, segment.sweep, x);
        });
    }
    abWriter.Fixed(HalfDecadeLength, kMedium, 10);
    kWriter.Fixed(ThirdDecadeLength, kMedium, 10);
    ab.count = abWriter.LastIndex();
    k.count = ab.count;
}

void BuildSTable(GraduationTable<330>& table) {
    MarkWriter s = WriterFor(table, SecondaryTicks);
    s.Fixed(0, kLong, 90);  // theta = 0: the 90 degree end
    s.Run(kSSegments, SinePosition);
    s.Fixed(DecadeLength, kLong, 0);  // alpha = 5.74 degrees
    table.count = s.LastIndex();
}

void BuildTTable(GraduationTable<380>& table) {
    MarkWriter t = WriterFor(table, SecondaryTicks);
    t.Run(kTSegments, TangentPosition);
    t.Fixed(DecadeLength, kLong, 0);  // R = 5.71 degrees
    // The 45 degree end is numbered although its run labels only 40, 30, ...
    t.SetLabel(0, 45);
    table.count = t.LastIndex();
}

void BuildS0Table(GraduationTable<280>& table) {
    MarkWriter s0 = WriterFor(table, SecondaryTicks);
    s0.Fixed(DecadeLength, kLong, 0);
    s0.Run(kS0Segments, SmallSinePosition);
    s0.Fixed(0, kLong, 0);
    table.count = s0.LastIndex();
}

void BuildT0Table(GraduationTable<280>& table) {
    MarkWriter t0 = WriterFor(table, SecondaryTicks);
    t0.Fixed(0, kLong, 0);
    t0.Run(kT0Segments, SmallTangentPosition);
    t0.Fixed(DecadeLength, kLong, 0);
    table.count = t0.LastIndex();
}

void BuildLTable(GraduationTable<510>& table) {
    MarkWriter l = WriterFor(table, SecondaryTicks);
    l.Run(kLSegments, LogPosition);
    l.Fixed(DecadeLength, kLong, 1);
    table.count = l.LastIndex();
}

}  // namespace

void BuildScaleTables(GraduationTables& tables) {
    BuildCdTable(tables.CdTable);
    BuildAbAndKTables(tables.AbTable, tables.KTable);
    BuildSTable(tables.STable);
    BuildTTable(tables.TTable);
    BuildS0Table(tables.S0Table);
    BuildT0Table(tables.T0Table);
    BuildLTable(tables.LTable);
}

}  // namespace tesmark
