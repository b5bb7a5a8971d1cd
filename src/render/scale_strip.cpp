#include "render/scale_strip.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "render/gauge_glyphs.h"

namespace tesmark {

namespace {

// U+30FB KATAKANA MIDDLE DOT: the rule's degree sign after a black angle.
constexpr std::string_view kDegreeDot = "\xE3\x83\xBB";

// The tick length that stands for a half-index mark: drawn 7 long, with an
// arrowhead when the mark carries no number.
constexpr int kHalfIndexTick = 9;
constexpr int kHalfIndexDrawn = 7;

struct GaugePlacement {
    int id;
    GlyphId glyph;
    int dx;        // shift from the table mark to the true constant
    int tickFrom;  // the glyph's short tick, relative to the line
    int tickTo;
    bool below;  // hung under the line (top at y + 4) or over it (y - 12)
};

constexpr std::array<GaugePlacement, 7> kGaugePlacements{{
    {kGaugePiBelow, GlyphId::Pi, 0, +2, +6, true},
    {kGaugePiAbove, GlyphId::Pi, 0, -2, -6, false},
    {kGaugeSqrt10Below, GlyphId::Sqrt10, 0, 0, +3, true},
    {kGaugeC, GlyphId::C, -1, -2, -6, false},
    {kGaugeRhoSecond, GlyphId::RhoSecond, +1, -2, -6, false},
    {kGaugeRhoMinute, GlyphId::RhoMinute, -1, -2, -6, false},
    {kGaugeRhoDegree, GlyphId::RhoDegree, -3, -2, -6, false},
}};

// The marks of C where the C strip hangs its gauge glyphs (when drawn from
// mark 0): c, rho'', pi, rho' and rho degrees.
struct GaugeOnC {
    int mark;
    int id;
};
constexpr std::array<GaugeOnC, 5> kGaugesOnC{{
    {13, kGaugeC},
    {103, kGaugeRhoSecond},
    {157, kGaugePiAbove},
    {172, kGaugeRhoMinute},
    {265, kGaugeRhoDegree},
}};
constexpr int kPiMark = 157;
constexpr int kOneAndHalfMark = 50;  // carries 2 in the table, shown as "1.5"

// Marks a forward CF strip starts from when folded at sqrt 10 and at pi.
constexpr int kFoldFirstSqrt10 = 159;
constexpr int kFoldFirstPi = 157;

// The extra numbers at the far ends of the folded DF and CIF strips, and the
// visit counts (beyond the table's count) at which they stand.
constexpr int kDfEndVisit = 16;
constexpr int kCifEndVisit = 6;

// The special marks of S0 and T0 at 0.6 degrees.
constexpr int kS0PointSixMark = 258;
constexpr int kT0PointSixMark = 256;

// The LL strips still draw marks this far beyond their ends.
constexpr int kLlLeftReach = 5;
constexpr int kLlRightReach = 10;
constexpr int kTrigReach = 10;  // S0 and T0, both ends

std::string Number(int value) {
    return std::to_string(value);
}

void Tick(Surface& surface, int x, int y, int length, bool up) {
    surface.line(x, y, x, up ? y - length : y + length);
}

int LabelRow(int y, bool up) {
    return up ? y + LabelAbove : y + LabelBelow;
}

// The tick of a C/D-family mark: a half-index mark is drawn 7 long and, when
// it has no number, gets an arrowhead.
void CdTick(Surface& surface, const GraduationMark& mark, int x, int y, bool up) {
    if (mark.tickLength < kHalfIndexTick) {
        Tick(surface, x, y, mark.tickLength, up);
        return;
    }
    Tick(surface, x, y, kHalfIndexDrawn, up);
    if (mark.label == 0) DrawChevron(surface, x, y, up);
}

// The number of a C/D mark other than mark 0.
std::string CdLabel(int index, const GraduationMark& mark) {
    return index == kOneAndHalfMark ? std::string("1.5") : Number(mark.label);
}

void DrawForwardCd(Surface& surface, const GraduationTables& tables, int kind, int first, int limit,
                   int left, int right, int y, int shift) {
    const auto& table = tables.CdTable;
    const int count = table.count;
    const bool up = kind == kStripC;
    const int labelY = LabelRow(y, up);

    if (kind == kStripD) {
        if (first == kFoldFirstSqrt10) {
            DrawGaugeGlyph(surface, DecadeLength / 2 + left - shift, y, kGaugeSqrt10Below);
            DrawGaugeGlyph(surface, DecadeLength / 2 + DecadeLength + left - shift, y,
                           kGaugeSqrt10Below);
        } else if (first == kFoldFirstPi) {
            DrawGaugeGlyph(surface, PiOffset + left - shift, y, kGaugePiBelow);
            DrawGaugeGlyph(surface, PiOffset + DecadeLength + left - shift, y, kGaugePiBelow);
        }
    }

    int i = first;
    int decade = 0;
    for (int visited = 0;; ++visited) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = DecadeLength * decade + mark.position + left - shift;
        if (x > right || visited > limit) break;
        if (x >= left) {
            CdTick(surface, mark, x, y, up);
            // Mark 0 of the second decade is the end mark of the first, which
            // already shows 10 there.
            if (mark.label != 0 && (i != 0 || decade != 1)) {
                surface.drawText(x, labelY, i != 0 ? CdLabel(i, mark) : Number(mark.label));
            }
            if (kind == kStripC) {
                if (visited == count + kDfEndVisit) surface.drawText(x, labelY, "3.3");
                if (first == 0) {
                    for (const GaugeOnC& gauge : kGaugesOnC)
                        if (gauge.mark == i) DrawGaugeGlyph(surface, x, y, gauge.id);
                }
            } else if (first == 0 && i == kPiMark) {
                DrawGaugeGlyph(surface, x, y, kGaugePiBelow);
            }
        }
        if (++i > count) {
            i = 0;
            ++decade;
        }
    }
}

void DrawInvertedCd(Surface& surface, const GraduationTables& tables, int kind, int first,
                    int limit, int left, int right, int y, int shift) {
    const auto& table = tables.CdTable;
    const int count = table.count;
    const bool up = kind == kStripCI;
    const int labelY = LabelRow(y, up);

    int i = first;
    int decade = 1;
    for (int visited = 0;; ++visited) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = DecadeLength * decade - mark.position + left - shift;
        if (x > right || visited > limit) break;
        if (x >= left) {
            CdTick(surface, mark, x, y, up);
            if (mark.label != 0) {
                if (i != 0) {
                    surface.drawText(x, labelY, CdLabel(i, mark));
                } else if (kind == kStripCI || shift == 0) {
                    // A folded DI (that is, CIF) shows 10 at the join, not 1.
                    surface.drawText(x, labelY, Number(mark.label));
                }
            }
            if (kind == kStripDI && shift != 0 && visited == count + kCifEndVisit)
                surface.drawText(x, labelY, "3.1");
        }
        if (--i < 0) {
            i = count;
            ++decade;
        }
    }
}

// A, B (two decades of 1050) and K (three decades of 700).
void DrawRepeatedDecades(Surface& surface, const GraduationTables& tables, int kind, int left,
                         int right, int y, int shift) {
    const bool isK = kind == kStripK;
    const auto& table = isK ? tables.KTable : tables.AbTable;
    const int count = table.count;
    const int length = isK ? ThirdDecadeLength : HalfDecadeLength;
    const int decades = isK ? 3 : 2;
    const int limitX = isK ? right + 1 : right;
    const std::string_view decadeNumbers = isK ? "1000" : "100";
    const bool up = kind != kStripB;
    const int labelY = LabelRow(y, up);

    int i = 0;
    int decade = 0;
    for (;;) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = length * decade + mark.position + left - shift;
        if (decade == decades && i > 0) break;
        if (x > limitX) break;
        if (x >= left) {
            Tick(surface, x, y, mark.tickLength, up);
            if (mark.label != 0 && i != count) {
                // "1", "10", "100", "1000" at the decade starts; the inner
                // numbers repeat in every decade.
                surface.drawText(x, labelY,
                                 i == 0 ? std::string(decadeNumbers.substr(
                                              0, static_cast<std::size_t>(decade) + 1))
                                        : Number(mark.label));
            }
        }
        if (++i > count) {
            i = 0;
            ++decade;
        }
    }
}

// A mark of a table measured leftwards from the right end of the decade.
int FromRight(const GraduationMark& mark, int left, int shift) {
    return DecadeLength - mark.position + left - shift;
}

void DrawS(Surface& surface, const GraduationTables& tables, int left, int right, int y,
           int shift) {
    const auto& table = tables.STable;
    const int labelY = y + LabelBelow;
    for (int i = 0; i <= table.count; ++i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = FromRight(mark, left, shift);
        if (x > right) break;
        if (x < left) continue;
        Tick(surface, x, y, mark.tickLength, false);
        if (i == 0) {
            surface.drawText(x, labelY, "90");
        } else if (mark.label > 0) {
            DrawAnglePair(surface, mark.label, x, labelY);
        }
    }
}

void DrawT(Surface& surface, const GraduationTables& tables, int left, int right, int y,
           int shift) {
    const auto& table = tables.TTable;
    const int labelY = y + LabelAbove;
    for (int i = table.count; i >= 0; --i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = FromRight(mark, left, shift);
        if (x > right) break;
        if (x < left) continue;
        Tick(surface, x, y, mark.tickLength, true);
        if (mark.label > 0) DrawAnglePair(surface, 90 - mark.label, x, labelY);
    }
}

// A half-degree number of S0 or T0, centred on its tick (an angle pair
// before it may have left another alignment).
void HalfDegree(Surface& surface, int x, int y, int wholeDegrees) {
    surface.setTextAlign(TextAlign::BaselineCentre);
    surface.drawText(x, y, Number(wholeDegrees) + ".5");
}

void DrawS0(Surface& surface, const GraduationTables& tables, int left, int right, int y,
            int shift) {
    const auto& table = tables.S0Table;
    const int labelY = y + LabelBelow;
    for (int i = 0; i <= table.count; ++i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = FromRight(mark, left, shift);
        if (x > right + kTrigReach) break;
        if (x < left - kTrigReach) continue;
        Tick(surface, x, y, mark.tickLength, false);
        if (mark.label > 0) {
            DrawAnglePair(surface, mark.label, x, labelY);
        } else if (mark.label < 0) {
            // -k marks theta = k + 0.5, that is alpha = (89 - k) + 0.5.
            HalfDegree(surface, x, labelY, 89 + mark.label);
        }
        if (i == kS0PointSixMark) DrawPointSixPair(surface, x, labelY);
    }
}

void DrawT0(Surface& surface, const GraduationTables& tables, int left, int right, int y,
            int shift) {
    const auto& table = tables.T0Table;
    const int labelY = y + LabelAbove;
    for (int i = table.count; i >= 0; --i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = FromRight(mark, left, shift);
        if (x > right + kTrigReach) break;
        if (x < left - kTrigReach) continue;
        Tick(surface, x, y, mark.tickLength, true);
        if (mark.label > 0) {
            DrawAnglePair(surface, 90 - mark.label, x, labelY);
        } else if (mark.label < 0) {
            HalfDegree(surface, x, labelY, -mark.label);
        }
        if (i == kT0PointSixMark) DrawPointSixPair(surface, x, labelY);
    }
}

void DrawL(Surface& surface, const GraduationTables& tables, int first, int limit, int left,
           int right, int y, int shift) {
    const auto& table = tables.LTable;
    const int labelY = y + LabelAbove;
    // The walk never leaves the table, whatever limit the caller gives.
    const int last = std::min(limit, static_cast<int>(table.count));
    for (int i = first; i <= last; ++i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = FromRight(mark, left, shift);
        if (x > right) break;
        if (x < left) continue;
        Tick(surface, x, y, mark.tickLength, true);
        if (mark.label == 0) continue;
        if (i == first) {
            surface.drawText(x, labelY, "1");
        } else if (i == limit) {
            surface.drawText(x, labelY, "0");
        } else {
            surface.drawText(x, labelY, "." + Number(mark.label) + " ");
        }
    }
}

void DrawLogLog(Surface& surface, const GraduationTables& tables, int kind, int left, int right,
                int y) {
    const bool reciprocal = kind >= kStripRecipLL0;
    const int scale = kind - (reciprocal ? kStripRecipLL0 : kStripLL0);
    const auto& table = reciprocal ? tables.RecipLlTable[static_cast<std::size_t>(scale)]
                                   : tables.LlTable[static_cast<std::size_t>(scale)];
    const std::span<const std::string_view> labels = LlLabelStrings(scale, reciprocal);
    // LL0, LL1 and every LL/ scale leave a space after their numbers.
    const bool trailingSpace = reciprocal || scale <= 1;
    const bool up = reciprocal;
    const int labelY = LabelRow(y, up);
    const int count = std::min(static_cast<int>(table.count), static_cast<int>(table.capacity()));

    for (int i = 0; i < count; ++i) {
        const GraduationMark& mark = table[static_cast<std::size_t>(i)];
        const int x = mark.position + left;
        if (x > right + kLlRightReach) break;
        if (x < left - kLlLeftReach) continue;
        Tick(surface, x, y, mark.tickLength, up);
        const int k = mark.label;
        if (k != 0 && k >= 1 && static_cast<std::size_t>(k) <= labels.size()) {
            std::string text(labels[static_cast<std::size_t>(k) - 1]);
            if (trailingSpace) text += ' ';
            surface.drawText(x, labelY, text);
        }
    }
}

// True when `first` names a mark of a table whose last index is `count`.
bool IsMark(int first, int count) {
    return first >= 0 && first <= count;
}

}  // namespace

void DrawGaugeGlyph(Surface& surface, int x, int y, int id) {
    const auto placement = std::find_if(kGaugePlacements.begin(), kGaugePlacements.end(),
                                        [id](const GaugePlacement& p) { return p.id == id; });
    if (placement == kGaugePlacements.end()) return;
    const int width = GaugeGlyph(placement->glyph).width;
    const int top = placement->below ? y + 4 : y - 12;
    const int at = x + placement->dx;
    surface.andGlyph(placement->glyph, at - (width == 9 ? 4 : 8), top);
    surface.line(at, y + placement->tickFrom, at, y + placement->tickTo);
}

void DrawChevron(Surface& surface, int x, int y, bool up) {
    const int apex = up ? y - ChevronReach : y + ChevronReach;
    const int base = up ? y - 4 : y + 4;
    surface.line(x, apex, x - 2, base);
    surface.line(x, apex, x + 2, base);
}

void DrawAnglePair(Surface& surface, int v, int x, int y) {
    surface.setTextAlign(TextAlign::BaselineRight);
    surface.drawText(x + kAnglePairSplit, y, Number(90 - v) + std::string(kDegreeDot));
    surface.setTextColour(kRed);
    surface.setTextAlign(TextAlign::BaselineLeft);
    surface.drawText(x + kAnglePairSplit, y, Number(v));
    surface.setTextColour(kBlack);
}

void DrawPointSixPair(Surface& surface, int x, int y) {
    surface.setTextAlign(TextAlign::BaselineLeft);
    surface.setTextColour(kRed);
    surface.drawText(x + kAnglePairSplit, y, "89.4");
    surface.setTextAlign(TextAlign::BaselineRight);
    surface.setTextColour(kBlack);
    surface.drawText(x + kAnglePairSplit, y, ".6" + std::string(kDegreeDot));
}

void DrawScaleStrip(Surface& surface, const GraduationTables& tables, int kind, int first,
                    int limit, int left, int right, int y, int shift) {
    switch (kind) {
        case kStripD:
        case kStripC:
            if (IsMark(first, tables.CdTable.count))
                DrawForwardCd(surface, tables, kind, first, limit, left, right, y, shift);
            break;
        case kStripDI:
        case kStripCI:
            if (IsMark(first, tables.CdTable.count))
                DrawInvertedCd(surface, tables, kind, first, limit, left, right, y, shift);
            break;
        case kStripA:
        case kStripB:
        case kStripK:
            DrawRepeatedDecades(surface, tables, kind, left, right, y, shift);
            break;
        case kStripS:
            DrawS(surface, tables, left, right, y, shift);
            break;
        case kStripT:
            DrawT(surface, tables, left, right, y, shift);
            break;
        case kStripS0:
            DrawS0(surface, tables, left, right, y, shift);
            break;
        case kStripT0:
            DrawT0(surface, tables, left, right, y, shift);
            break;
        case kStripL:
            if (IsMark(first, tables.LTable.count))
                DrawL(surface, tables, first, limit, left, right, y, shift);
            break;
        default:
            if (kind >= kStripLL0 && kind < kStripRecipLL0 + kLlScaleCount)
                DrawLogLog(surface, tables, kind, left, right, y);
            break;
    }
    surface.setTextAlign(TextAlign::BaselineCentre);
}

}  // namespace tesmark
