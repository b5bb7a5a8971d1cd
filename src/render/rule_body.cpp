#include "render/rule_body.h"

#include <array>
#include <optional>
#include <vector>

#include "model/scale_layout.h"
#include "model/version.h"
#include "render/scale_strip.h"

namespace tesmark {

namespace {

constexpr int W = kComposedWidth;

// The fold of DF, CF and CIF: sqrt 10 stands at the middle of the decade.
constexpr int kSqrt10Fold = HalfDecadeLength;

// One scale of a face: which part carries it and the arguments of its strip.
struct StripCall {
    BodyPart part;
    int kind;
    int first;
    int limit;
    int left;
    int y;
    int shift;
    Rgb colour;
};

std::vector<StripCall> FrontStrips(const RuleState& state, const GraduationTables& tables) {
    const bool zeroScales = state.ScaleST != 0;
    const int cd = tables.CdTable.count;
    return {
        {BodyPart::UpperStator, kStripK, 0, 0, 100, 31, 0, kBlack},
        {BodyPart::UpperStator, kStripA, 0, 0, 100, 50, 0, kBlack},
        {BodyPart::Slide, kStripB, 0, 0, 100, 52, 0, kBlack},
        {BodyPart::Slide, zeroScales ? kStripT0 : kStripT, 0, 0, 100, 83, 0, kBlack},
        {BodyPart::Slide, zeroScales ? kStripS0 : kStripS, 0, 0, 100, 86, 0, kBlack},
        {BodyPart::Slide, kStripC, 0, cd, 100, 117, 0, kBlack},
        {BodyPart::LowerStator, kStripD, 0, cd, 100, 119, 0, kBlack},
        {BodyPart::LowerStator, kStripDI, cd, cd, 100, 137, 0, kRed},
        {BodyPart::LowerStator, kStripL, 0, tables.LTable.count, 100, 165, 0, kBlack},
    };
}

std::vector<StripCall> BackStrips(const RuleState& state, const GraduationTables& tables) {
    const int n = LlPairOf(state);
    const bool sqrt10 = state.ScalePI != 0;
    const int fold = sqrt10 ? kSqrt10Fold : PiOffset;
    const int cd = tables.CdTable.count;
    // DF and CIF reach 60 and 20 pixels left of the index and, like CF, run on
    // into the next decade up to W; CF starts at the fold's own mark (sqrt 10
    // at 159, pi at 157).
    return {
        {BodyPart::UpperStator, kStripRecipLL0 + n, 0, 0, 100, 15, 0, kRed},
        {BodyPart::UpperStator, kStripRecipLL0 + n + 1, 0, 0, 100, 31, 0, kRed},
        {BodyPart::UpperStator, kStripC, 150, cd + 16, 40, 50, fold - 60, kBlack},
        {BodyPart::Slide, kStripD, sqrt10 ? 159 : 157, sqrt10 ? cd - 1 : cd + 1, 100, 52, fold,
         kBlack},
        {BodyPart::Slide, kStripC, 0, cd, 100, 117, 0, kBlack},
        {BodyPart::Slide, kStripCI, cd, cd, 100, 96, 0, kRed},
        {BodyPart::Slide, kStripDI, 160, cd + 6, 80, 71, fold - 20, kRed},
        {BodyPart::LowerStator, kStripD, 0, cd, 100, 119, 0, kBlack},
        {BodyPart::LowerStator, kStripLL0 + n + 1, 0, 0, 100, 138, 0, kBlack},
        {BodyPart::LowerStator, kStripLL0 + n, 0, 0, 100, 154, 0, kBlack},
    };
}

// The top row of each face row's name, and the part it stands on.
constexpr std::array<int, kRowCount> kNameTop{2, 19, 35, 53, 69, 85, 102, 120, 136, 154};

constexpr BodyPart PartOfRow(int row) {
    return row <= 2 ? BodyPart::UpperStator : row <= 6 ? BodyPart::Slide : BodyPart::LowerStator;
}

struct BrandText {
    int x, y;
    const char* text;
};
// The white copies, drawn first, show as a light edge 2 pixels right of and
// below the grey ones.
constexpr std::array<BrandText, 2> kBrandLight{{{74, 3, kBrandText}, {179, 3, kVersionText}}};
constexpr std::array<BrandText, 2> kBrandGrey{{{72, 1, kBrandText}, {177, 1, kVersionText}}};

bool Redrawn(const PartsToRedraw& parts, BodyPart part) {
    switch (part) {
        case BodyPart::UpperStator:
            return parts.upper;
        case BodyPart::Slide:
            return parts.slide;
        case BodyPart::LowerStator:
            return parts.lower;
    }
    return false;
}

constexpr std::array<BodyPart, 3> kPartsTopDown{BodyPart::UpperStator, BodyPart::Slide,
                                                BodyPart::LowerStator};

// Body colour over each part, without outline, in two halves that overlap
// at the middle; then each part's outline with the body colour inside.
void FillParts(Surface& body, const PartsToRedraw& parts) {
    for (BodyPart part : kPartsTopDown) {
        if (!Redrawn(parts, part)) continue;
        const BodyRect r = PartRect(part);
        body.rectangle(0, r.top, W / 2 + 1, r.bottom);
        body.rectangle(W / 2 - 1, r.top, W, r.bottom);
    }
    body.setPen(kBlack);
    for (BodyPart part : kPartsTopDown) {
        if (!Redrawn(parts, part)) continue;
        const BodyRect r = PartRect(part);
        body.rectangle(r.left, r.top, r.right, r.bottom);
    }
}

void DrawStrips(Surface& body, const RuleState& state, const GraduationTables& tables,
                const PartsToRedraw& parts) {
    const bool back = state.SlideRev != 0;
    const std::vector<StripCall> strips =
        back ? BackStrips(state, tables) : FrontStrips(state, tables);
    Rgb colour = kBlack;
    bool slideDone = false;
    for (const StripCall& strip : strips) {
        if (back && !slideDone && strip.part == BodyPart::LowerStator) {
            // After the back's slide the numbers are black again, whether
            // or not the slide was drawn.
            body.setTextColour(kBlack);
            colour = kBlack;
            slideDone = true;
        }
        if (!Redrawn(parts, strip.part)) continue;
        if (!(strip.colour == colour)) {
            body.setTextColour(strip.colour);
            colour = strip.colour;
        }
        DrawScaleStrip(body, tables, strip.kind, strip.first, strip.limit, strip.left, W, strip.y,
                       strip.shift);
    }
    if (!(colour == kBlack)) body.setTextColour(kBlack);
}

void DrawBrandLine(Surface& body) {
    body.setTextAlign(TextAlign::LeftTop);
    body.setFont(FontId::Bold);
    body.setTextColour(kWhite);
    for (const BrandText& t : kBrandLight) body.drawText(t.x, t.y, t.text);
    body.setTextColour(kGrey);
    for (const BrandText& t : kBrandGrey) body.drawText(t.x, t.y, t.text);
}

void DrawScaleNames(Surface& body, const RuleState& state, const PartsToRedraw& parts) {
    const FaceRows rows = FaceLayout(state);
    for (int row = 0; row < kRowCount; ++row) {
        const RowLayout& layout = rows[static_cast<std::size_t>(row)];
        if (!Redrawn(parts, PartOfRow(row)) || layout.name == nullptr || layout.name[0] == '\0')
            continue;
        const int top = kNameTop[static_cast<std::size_t>(row)];
        if (layout.red) {
            body.setTextColour(kRed);
            body.drawText(ScaleNameRight, top, layout.name);
            body.setTextColour(kBlack);
        } else {
            body.drawText(ScaleNameRight, top, layout.name);
        }
    }
}

}  // namespace

BodyRect PartRect(BodyPart part) {
    switch (part) {
        case BodyPart::UpperStator:
            return {0, 0, W, 52};
        case BodyPart::Slide:
            return {0, 51, W, 119};
        case BodyPart::LowerStator:
            return {0, 118, W, 170};
    }
    return {0, 0, 0, 0};
}

PartsToRedraw PartsToRedrawFor(const RuleState& state, const ComposedRecord& last) {
    const bool face = state.SlideRev != last.SlideRev;
    const bool ll = state.ScaleLL != last.ScaleLL;
    const bool st = state.ScaleST != last.ScaleST;
    const bool pi = state.ScalePI != last.ScalePI;
    if (state.SlideRev == 0) return {face, face || st, face};
    return {face || ll || pi, face || pi, face || ll};
}

Composition ComposeRuleBody(Surface& body, const RuleState& state, const GraduationTables& tables,
                            ComposedRecord& last) {
    Composition result;
    // Only a turn between the two faces counts: the first composition finds
    // the window already showing the toolbar of its face.
    result.faceTurned =
        (state.SlideRev == 0 && last.SlideRev == 1) || (state.SlideRev == 1 && last.SlideRev == 0);
    result.optionsChanged = state.ScaleLL != last.ScaleLL || state.ScaleST != last.ScaleST ||
                            state.ScalePI != last.ScalePI;

    const bool anyChanged = state.SlideRev != last.SlideRev || result.optionsChanged;
    if (anyChanged) {
        const PartsToRedraw parts = PartsToRedrawFor(state, last);
        result.redrawn = parts;

        body.setFont(FontId::Normal);
        body.setTextBackground(std::nullopt);
        body.setTextAlign(TextAlign::BaselineCentre);
        // The numbers start black whatever the surface was left with.
        body.setTextColour(kBlack);
        body.setPen(std::nullopt);
        body.setBrush(kBodyColour);

        FillParts(body, parts);
        DrawStrips(body, state, tables, parts);

        if (state.SlideRev == 0) {
            if (parts.upper) DrawBrandLine(body);
            body.setFont(FontId::Normal);
            body.setTextColour(kBlack);
        }
        body.setTextAlign(TextAlign::RightTop);
        DrawScaleNames(body, state, parts);

        // Back to the surface's stock pen and brush.
        body.setPen(kStockBlack);
        body.setBrush(kWhite);
    }

    last = ComposedRecord{state.SlideRev, state.ScaleLL, state.ScaleST, state.ScalePI};
    return result;
}

}  // namespace tesmark
