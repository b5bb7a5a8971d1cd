#include "ops/copy_reading.h"

#include <string>

#include "model/number_format.h"
#include "model/reading_table.h"
#include "ops/status_line.h"

namespace tesmark {

void CopyReadingToClipboard(RuleSession& session, WindowPort& port, int slot) {
    if (slot < 1 || slot > kSlotCount || session.readings[slot] == NoReading) return;
    const std::string text = FormatSlotReading(session.readings[slot], slot, session.state, false);
    port.setClipboardText(text);
    ShowStatus(session, port,
               session.state.Language == 0 ? "Copied \"" + text + "\" in the Clipboard."
                                           : "\"" + text + "\" をクリップボードにコピーしました。");
}

}  // namespace tesmark
