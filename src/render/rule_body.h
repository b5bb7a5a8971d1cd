#pragma once
// The rule body: the upper stator, the slide and the lower stator of the
// face that shows, composed off screen into one 2501 x 170 picture with every
// scale, the scale names and the brand line, but without the cursor and
// without the slide's offset. Painting copies its blocks into the window.
//
// ComposeRuleBody brings the picture up to date after the face or an option
// changed. It redraws only the parts that depend on what changed since the
// last composition (recorded in `last`) and nothing at all when nothing
// changed, updates `last`, and reports what changed: the window then shows
// the option toolbar of the face and renews the scale-name tooltips.
#include "model/composed_record.h"
#include "model/rule_state.h"
#include "render/surface.h"
#include "tables/graduation.h"

namespace tesmark {

inline constexpr int kRuleBodyWidth = 2501;
inline constexpr int kRuleBodyHeight = 170;
// Composition covers the columns left of this one: the decade and 201 pixels.
inline constexpr int kComposedWidth = DecadeLength + 201;
// Where the scale names end on the right.
inline constexpr int ScaleNameRight = 27;

enum class BodyPart { UpperStator, Slide, LowerStator };

struct BodyRect {
    int left, top, right, bottom;
};

// The rectangle of a part in the rule body. Neighbouring parts share their
// boundary row (51 and 118).
BodyRect PartRect(BodyPart part);

// Which parts a composition redraws for `state` after the composition
// recorded in `last`.
struct PartsToRedraw {
    bool upper = false;
    bool slide = false;
    bool lower = false;
    bool any() const { return upper || slide || lower; }
};
PartsToRedraw PartsToRedrawFor(const RuleState& state, const ComposedRecord& last);

// What a composition changed against the one before it.
struct Composition {
    PartsToRedraw redrawn;        // the parts drawn anew
    bool faceTurned = false;      // the other face shows now (never at the first composition)
    bool optionsChanged = false;  // ScaleLL, ScaleST or ScalePI differ from the last one
};

Composition ComposeRuleBody(Surface& body, const RuleState& state, const GraduationTables& tables,
                            ComposedRecord& last);

}  // namespace tesmark
