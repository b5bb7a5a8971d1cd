// Placeholder until the window picture can be drawn without a window.
#include "render_window.h"

#include <ostream>

namespace tesmark::cli {

int RenderWindowImage(const RuleState&, int, const std::string&, std::ostream& err) {
    err << "tesmark-cli render: --window is not available yet\n";
    return 2;
}

}  // namespace tesmark::cli
