#include "ui/toolbar_resources.h"

namespace tesmark {

const ToolbarResource& ToolbarResourceFor(const ToolbarDefinition& toolbar, int16_t language) {
    return language == 0 ? toolbar.english : toolbar.japanese;
}

std::string_view ToolbarStripPath(int resourceId) {
    for (const ToolbarDefinition& toolbar : kToolbars) {
        if (toolbar.japanese.resourceId == resourceId || toolbar.english.resourceId == resourceId) {
            return toolbar.imageStrip;
        }
    }
    return {};
}

int ToolbarImageIndex(std::span<const int> buttons, std::size_t position) {
    if (position >= buttons.size() || buttons[position] == kToolbarSeparator) return -1;
    return ToolbarImageCount(buttons.first(position));
}

int ToolbarImageCount(std::span<const int> buttons) {
    int count = 0;
    for (const int command : buttons) {
        if (command != kToolbarSeparator) ++count;
    }
    return count;
}

}  // namespace tesmark
