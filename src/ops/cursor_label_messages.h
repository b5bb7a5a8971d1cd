#pragma once
// The texts a double click on the "CURSOR" label shows: a greeting, the
// build date and time, or the raw positions.
#include <cstdint>
#include <string>

#include "model/version.h"
#include "ops/random_generator.h"

namespace tesmark {

// "\"<greeting>\"   Tesmark - version <version>", the greeting picked by the
// next random number modulo 8.
std::string GreetingMessage(RandomGenerator& random);

// "Build Date & Time:  <date>, <time>,  " from the compiler's date and time
// texts ("Jan 10 2022", "16:03:22").
std::string BuildDateMessage(const char* date, const char* time);
// The same for this build.
std::string BuildDateMessage();

// "Slide Position=<n>, Cursor Position=<n>," without digit grouping.
std::string PositionsMessage(int32_t slidePos, int32_t cursorPos);

}  // namespace tesmark
