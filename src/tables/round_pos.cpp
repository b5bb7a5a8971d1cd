#include "tables/graduation.h"

namespace tesmark {

int16_t RoundPos(double v) {
    return static_cast<int16_t>(static_cast<int32_t>(v + 0.5));
}

}  // namespace tesmark
