#pragma once
// RuleView: the one owner of the rule's picture. It holds the graduation
// tables, the composed rule body, the back buffer of the client area and
// what the paints remember of each other. The main window paints through it
// and only shows the back buffer; tesmark-cli's window picture is one paint
// of a fresh view.
//
// A move changes RuleState and the redraw bookkeeping (RedrawState); the
// next paint() prepares (focus fix-up, readings refresh) and then draws from
// the state without changing it. An option change composes the body anew
// first; compose() says what changed, and the owner reacts (toolbar band,
// tooltips).
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <memory>

#include "model/composed_record.h"
#include "model/reading_table.h"
#include "model/rule_state.h"
#include "platform/qt_surface.h"
#include "render/redraw_state.h"
#include "render/rule_body.h"
#include "render/window_painter.h"
#include "tables/graduation.h"

namespace tesmark {

// The bar labels' colours in a colour scheme: button text over the button
// highlight.
LabelColours LabelColoursOf(const QPalette& palette);

class RuleView {
  public:
    // A view for a client area `clientWidth` pixels wide, erased with the
    // window background `tile`, held at `ratio` device pixels per pixel (the
    // screen's). Builds the sixteen graduation tables.
    RuleView(int clientWidth, const QImage& backgroundTile, qreal ratio = 1.0);
    ~RuleView();
    RuleView(const RuleView&) = delete;
    RuleView& operator=(const RuleView&) = delete;

    const GraduationTables& tables() const { return *tables_; }
    const QtSurface& body() const { return *body_; }
    const QtSurface& backBuffer() const { return *backBuffer_; }

    // Brings the rule body up to date with the face and options of `state`.
    Composition compose(const RuleState& state, ComposedRecord& last);

    // Gives the back buffer a new width, erased with the background; true
    // when it did (the rule must then be repainted whole).
    bool fitWidth(int clientWidth);

    // A new window background (the palette changed): the buffer is erased
    // with it and the next paint must be whole.
    void setBackground(const QImage& tile);

    qreal deviceRatio() const { return ratio_; }
    // Holds the picture at a new ratio of device pixels per pixel (the
    // window moved to another screen, or its scale changed): the body is
    // composed anew from `state` at that resolution, the buffer is erased
    // and the next paint must be whole. Pixels, positions and what the
    // paints remember stay as they are. False when the ratio is the same.
    bool setDeviceRatio(qreal ratio, const RuleState& state);

    // One paint of the window for the extra width a: prepares, then paints
    // the rule, the bar labels when `labelsExposed`, and the end pieces.
    // Returns the client pixels the paint may have changed: only those need
    // to reach the screen.
    QRegion paint(RuleState& state, RedrawState& redraw, ReadingTable& readings, int a,
                  LabelColours labels, bool labelsExposed);

  private:
    qreal ratio_;
    std::unique_ptr<GraduationTables> tables_;
    std::unique_ptr<QtSurface> body_;
    std::unique_ptr<QtSurface> backBuffer_;
    QImage backgroundTile_;
    PaintMemory memory_;
    bool bodyChanged_ = true;  // composed or given a new buffer since the last paint
};

}  // namespace tesmark
