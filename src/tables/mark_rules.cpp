#include "tables/mark_rules.h"

namespace tesmark {

int16_t TickLengthOf(TickClass tick, const TickLengths& lengths) {
    switch (tick) {
        case TickClass::Short:
            return lengths.shortTick;
        case TickClass::Medium:
            return lengths.medium;
        case TickClass::Long:
            return lengths.longTick;
        case TickClass::HalfIndex:
            return lengths.halfIndex;
    }
    return lengths.shortTick;
}

TickClass TickRule::ClassOf(int index) const {
    const int v = index + offset;
    if (v % majorEvery == 0) return major;
    if (mediumEvery != 0 && v % mediumEvery == 0) return TickClass::Medium;
    return TickClass::Short;
}

}  // namespace tesmark
