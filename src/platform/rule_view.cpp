#include "platform/rule_view.h"

#include <algorithm>

#include "model/client_size.h"

namespace tesmark {

RuleView::RuleView(int clientWidth, const QImage& backgroundTile)
    : tables_(std::make_unique<GraduationTables>()),
      body_(std::make_unique<QtSurface>(kRuleBodyWidth, kRuleBodyHeight, kBodyColour)),
      backBuffer_(std::make_unique<QtSurface>(clientWidth, kClientHeight)),
      backgroundTile_(backgroundTile) {
    BuildAllTables(*tables_);
    body_->setPatternImage(backgroundTile_);
    backBuffer_->setPatternImage(backgroundTile_);
    backBuffer_->eraseWithPattern();
}

RuleView::~RuleView() = default;

Composition RuleView::compose(const RuleState& state, ComposedRecord& last) {
    return ComposeRuleBody(*body_, state, *tables_, last);
}

bool RuleView::fitWidth(int clientWidth) {
    if (backBuffer_->width() == clientWidth) return false;
    auto resized = std::make_unique<QtSurface>(clientWidth, kClientHeight);
    resized->setPatternImage(backgroundTile_);
    resized->eraseWithPattern();
    resized->copyFrom(*backBuffer_, 0, 0, std::min(backBuffer_->width(), clientWidth),
                      kClientHeight, 0, 0);
    backBuffer_ = std::move(resized);
    return true;
}

void RuleView::setBackground(const QImage& tile) {
    backgroundTile_ = tile;
    body_->setPatternImage(tile);
    backBuffer_->setPatternImage(tile);
    backBuffer_->eraseWithPattern();
}

void RuleView::paint(RuleState& state, RedrawState& redraw, ReadingTable& readings, int a,
                     Rgb buttonText, bool labelsExposed) {
    const PaintPlan plan = PreparePaint(state, redraw, readings, memory_, a);
    PaintWindow(*backBuffer_, *body_, state, readings, plan, memory_, redraw, buttonText,
                labelsExposed);
}

}  // namespace tesmark
