#include "model/reading_names.h"

#include "model/reading_table.h"
#include "model/scale_layout.h"

namespace tesmark {

namespace {

struct PlaceWords {
    const char* english;   // follows the scale name
    const char* japanese;  // precedes the scale name
};

constexpr PlaceWords kPlaces[] = {
    {" at the left index", "左指標の"},     // ReadingColumn::LeftIndex
    {" under the cursor", "カーソル線の"},  // ReadingColumn::Cursor
    {" at the right index", "右指標の"},    // ReadingColumn::RightIndex
};

}  // namespace

std::string ReadingSlotName(int slot, const RuleState& state) {
    const SlotPlace place = PlaceOfSlot(slot);
    if (place.row < 0) return "";
    const std::string scale = FaceLayout(state)[static_cast<std::size_t>(place.row)].name;
    if (scale.empty()) return "";
    const PlaceWords& words = kPlaces[static_cast<std::size_t>(place.column)];
    return state.Language == 0 ? scale + words.english : words.japanese + scale;
}

}  // namespace tesmark
