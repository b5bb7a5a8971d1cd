#include "model/slot_scale.h"

#include <array>

namespace tesmark {
namespace {

using K = ScaleKind;

constexpr std::array<ScaleKind, 10> kFrontRowKinds = {K::None, K::K, K::A, K::B,  K::T,
                                                      K::S,    K::C, K::D, K::DI, K::L};
constexpr std::array<ScaleKind, 10> kBackRowKinds = {K::RecipLL, K::RecipLL, K::DF, K::CF, K::CIF,
                                                     K::CI,      K::C,       K::D,  K::LL, K::LL};

}  // namespace

SlotScale ScaleOfSlot(int slot, const RuleState& state) {
    const SlotPlace place = PlaceOfSlot(slot);
    SlotScale scale;
    if (place.row < 0) return scale;
    scale.column = place.column;
    scale.row = place.row;
    const auto row = static_cast<std::size_t>(place.row);
    scale.kind = state.SlideRev == 0 ? kFrontRowKinds[row] : kBackRowKinds[row];
    if (scale.logLog()) scale.llScale = state.ScaleLL + (scale.upperLogLogRow() ? 1 : 0);
    return scale;
}

int LogLogSlot(ReadingColumn column, bool reciprocal, bool upper) {
    const int row = reciprocal ? (upper ? 1 : 0) : (upper ? 8 : 9);
    return SlotAt(column, row);
}

int OtherIndexSlot(int slot) {
    const SlotPlace place = PlaceOfSlot(slot);
    switch (place.column) {
        case ReadingColumn::LeftIndex:
            return SlotAt(ReadingColumn::RightIndex, place.row);
        case ReadingColumn::RightIndex:
            return SlotAt(ReadingColumn::LeftIndex, place.row);
        case ReadingColumn::Cursor:
            break;
    }
    return slot;
}

}  // namespace tesmark
