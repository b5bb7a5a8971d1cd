#include "move_report.h"

#include <ostream>

#include "commands.h"
#include "model/reading_table.h"
#include "ops/scroll_handler.h"
#include "readings_output.h"

namespace tesmark::cli {

namespace {

std::string SlotWithScale(int slot, const RuleState& state) {
    const char* scale = SlotScaleName(slot, state);
    return "slot " + std::to_string(slot) +
           (scale != nullptr ? std::string(" (") + scale + ")" : std::string());
}

}  // namespace

std::string FocusProblem(const RuleState& state, MoveTarget target) {
    const bool slide = target == MoveTarget::Slide;
    const int slot = state.NumFoucs;
    if (SlotSuitsBar(slot, slide ? BarId::Slide : BarId::Cursor)) return "";
    const std::string mover = slide ? "the slide" : "the cursor";
    const std::string reach = slide ? "slots 1-6, 10-13 and 17-22" : "slots 7-16";
    if (slot == 0)
        return "there is no focus slot to set (give --focus SLOT; " + mover + " sets " + reach +
               ")";
    return mover + " cannot set " + SlotWithScale(slot, state) + ": it sets " + reach;
}

std::string NoReadingProblem(const RuleState& state) {
    return "the focus " + SlotWithScale(state.NumFoucs, state) + " shows no reading";
}

int WriteMoveReport(std::ostream& out, std::ostream& err, const char* command,
                    const RuleState& state, const MoveReport& report, bool json) {
    if (json) {
        std::string fields = ", \"result\": " + std::to_string(report.result) +
                             ", \"message\": " + JsonString(report.message);
        for (const auto& [name, value] : report.extra)
            fields += ", " + JsonString(name) + ": " + value;
        WriteReadingsJson(out, state, fields);
    } else {
        out << "result: " << report.result << "\nmessage: " << report.message << "\n";
        for (const auto& [name, value] : report.extra) out << name << ": " << value << "\n";
        WriteReadingsTable(out, state);
    }
    if (report.result < 0) {
        err << "tesmark-cli " << command << ": " << report.message << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace tesmark::cli
