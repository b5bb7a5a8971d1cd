#include "platform/rule_view.h"

#include <algorithm>

#include "model/client_size.h"
#include "render/window_layout.h"

namespace tesmark {

LabelColours LabelColoursOf(const QPalette& palette) {
    return {ToRgb(palette.color(QPalette::ButtonText)), ToRgb(palette.color(QPalette::Light))};
}

RuleView::RuleView(int clientWidth, const QImage& backgroundTile, qreal ratio)
    : ratio_(ratio),
      tables_(std::make_unique<GraduationTables>()),
      body_(std::make_unique<QtSurface>(kRuleBodyWidth, kRuleBodyHeight, kBodyColour, ratio)),
      backBuffer_(std::make_unique<QtSurface>(clientWidth, kClientHeight, kWhite, ratio)),
      backgroundTile_(backgroundTile) {
    BuildAllTables(*tables_);
    body_->setEvenStrokes(true);
    body_->setPatternImage(backgroundTile_);
    backBuffer_->setPatternImage(backgroundTile_);
    backBuffer_->eraseWithPattern();
}

RuleView::~RuleView() = default;

Composition RuleView::compose(const RuleState& state, ComposedRecord& last) {
    const Composition composition = ComposeRuleBody(*body_, state, *tables_, last);
    if (composition.redrawn.any()) bodyChanged_ = true;
    return composition;
}

bool RuleView::fitWidth(int clientWidth) {
    if (backBuffer_->width() == clientWidth) return false;
    // A fresh buffer, erased as the platform erases a new window: the full
    // paint that follows covers the rule, and keeping the old picture would
    // keep pixels no paint of the new width draws (the corners of the glass
    // band at the right edge).
    auto resized = std::make_unique<QtSurface>(clientWidth, kClientHeight, kWhite, ratio_);
    resized->setPatternImage(backgroundTile_);
    resized->eraseWithPattern();
    backBuffer_ = std::move(resized);
    bodyChanged_ = true;
    return true;
}

void RuleView::setBackground(const QImage& tile) {
    backgroundTile_ = tile;
    body_->setPatternImage(tile);
    backBuffer_->setPatternImage(tile);
    backBuffer_->eraseWithPattern();
    bodyChanged_ = true;
}

bool RuleView::setDeviceRatio(qreal ratio, const RuleState& state) {
    if (ratio == ratio_ || ratio <= 0) return false;
    ratio_ = ratio;
    auto body = std::make_unique<QtSurface>(kRuleBodyWidth, kRuleBodyHeight, kBodyColour, ratio);
    body->setEvenStrokes(true);
    body->setPatternImage(backgroundTile_);
    // A blank body: everything is drawn, as at the first composition.
    ComposedRecord fresh;
    ComposeRuleBody(*body, state, *tables_, fresh);
    body_ = std::move(body);
    auto buffer = std::make_unique<QtSurface>(backBuffer_->width(), kClientHeight, kWhite, ratio);
    buffer->setPatternImage(backgroundTile_);
    buffer->eraseWithPattern();
    backBuffer_ = std::move(buffer);
    bodyChanged_ = true;
    return true;
}

QRegion RuleView::paint(RuleState& state, RedrawState& redraw, ReadingTable& readings, int a,
                        LabelColours labels, bool labelsExposed) {
    const int16_t lastCursorSlideSource = memory_.painter.CursorSlideSource;
    PaintPlan plan = PreparePaint(state, redraw, readings, memory_, a);
    PaintWindow(*backBuffer_, *body_, state, readings, plan, memory_, redraw, labels,
                labelsExposed);

    // A new body or buffer may differ anywhere, whatever the plan redrew
    // (the end pieces show the body's scale names on every paint).
    if (bodyChanged_) plan.hint = kRedrawAll;
    bodyChanged_ = false;
    QRegion damage;
    for (const PixelRect& r : PaintDamage(plan, lastCursorSlideSource)) {
        damage += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    if (labelsExposed) {
        const layout::LabelArea& labels = layout::kBarLabelArea;
        damage +=
            QRect(labels.left, labels.top, labels.right - labels.left, labels.bottom - labels.top);
    }
    return damage;
}

}  // namespace tesmark
