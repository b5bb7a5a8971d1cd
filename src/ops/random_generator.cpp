#include "ops/random_generator.h"

namespace tesmark {

int RandomGenerator::next() {
    // Unsigned arithmetic wraps modulo 2^32 by definition.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

uint32_t SeedFromLocalTime(int year, int month, int day, int hour, int minute, int second,
                           int millisecond) {
    return static_cast<uint32_t>(year) + static_cast<uint32_t>(month) + static_cast<uint32_t>(day) +
           static_cast<uint32_t>(hour) + static_cast<uint32_t>(minute) +
           static_cast<uint32_t>(second) + static_cast<uint32_t>(millisecond);
}

}  // namespace tesmark
