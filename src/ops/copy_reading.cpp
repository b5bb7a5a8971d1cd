#include "ops/copy_reading.h"

#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "model/string_table.h"
#include "ops/status_line.h"

namespace tesmark {

void CopyReadingToClipboard(RuleSession& session, WindowPort& port, int slot) {
    if (slot < 1 || slot > kSlotCount) return;
    // The reading as the readout box shows it: what the user copies is what
    // the user sees.
    const double reading = session.readings[slot];
    if (reading == NoReading) return;
    const std::string text = FormatSlotReading(reading, slot, session.state, false);
    port.setClipboardText(text);
    ShowStatus(session, port, CopiedToClipboardMessage(text, LanguageOf(session.state.Language)));
}

}  // namespace tesmark
