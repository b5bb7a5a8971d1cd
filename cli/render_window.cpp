// The window picture without a window: the client area erased with the
// window background, then one full paint of the rule as the main window
// paints it (views, cursor glass, readout panel with the focus frame, bar
// labels and end pieces). The controls are not drawn.
#include "render_window.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QString>
#include <memory>
#include <ostream>

#include "model/client_size.h"
#include "model/composed_record.h"
#include "model/reading_table.h"
#include "platform/mapped_image.h"
#include "platform/qt_surface.h"
#include "platform/rule_view.h"
#include "png_output.h"
#include "render/redraw_state.h"
#include "render/rule_body.h"
#include "tables/graduation.h"

// The window background bitmap is compiled into a static library; register
// it before use. (The macro must stand outside any namespace.)
static void InitTesmarkResources() {
    Q_INIT_RESOURCE(tesmark);
}

namespace tesmark::cli {

namespace {

QImage WindowBackgroundTile() {
    InitTesmarkResources();
    return LoadMappedBitmap(kWindowBackgroundBitmap, QGuiApplication::palette());
}

}  // namespace

std::unique_ptr<QtSurface> ComposedRuleBody(const RuleState& state, double ratio) {
    const auto tables = std::make_unique<GraduationTables>();
    BuildAllTables(*tables);
    auto body = std::make_unique<QtSurface>(kRuleBodyWidth, kRuleBodyHeight, kWhite, ratio);
    body->setEvenStrokes(true);
    ComposedRecord composed;
    ComposeRuleBody(*body, state, *tables, composed);
    return body;
}

int RenderWindowImage(const RuleState& given, int width, double ratio, const std::string& outPath,
                      std::ostream& err) {
    // No window is wider than kMaxClientWidth: beyond it the right view would
    // show columns left of the composed rule body.
    if (width < kBaseClientWidth || width > kMaxClientWidth) {
        err << "tesmark-cli render: the window's client area is " << kBaseClientWidth << " to "
            << kMaxClientWidth << " pixels wide, not " << width << "\n";
        return 2;
    }
    const int a = width - kBaseClientWidth;

    // The state as the window holds it once it has been sized to this width
    // and has painted nothing yet: the platform has erased the client area
    // with the window background, and one paint draws the rule whole.
    RuleState state = given;
    state.CxSize = static_cast<int16_t>(a);
    RuleView view(width, WindowBackgroundTile(), ratio);
    ComposedRecord composed;
    view.compose(state, composed);
    RedrawState redraw = RedrawState::ForPositions(state.SlidePos, state.CursorPos);
    ReadingTable readings;
    view.paint(state, redraw, readings, a, LabelColoursOf(QGuiApplication::palette()), true);

    return WritePng(view.backBuffer().toImage(), outPath, err);
}

}  // namespace tesmark::cli
