#pragma once
// The seeded random generator of the greetings: a linear congruential
// generator with the C runtime's constants, so a seed gives the same
// sequence on every platform.
#include <cstdint>

namespace tesmark {

class RandomGenerator {
  public:
    void seed(uint32_t seed) { state_ = seed; }
    // s = s * 214013 + 2531011 (mod 2^32); returns bits 16..30 (0..32767).
    int next();

  private:
    uint32_t state_ = 1;
};

// The window's seed: the sum of the local time's fields (no day of week).
uint32_t SeedFromLocalTime(int year, int month, int day, int hour, int minute, int second,
                           int millisecond);

}  // namespace tesmark
