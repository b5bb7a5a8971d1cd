#pragma once
// The face and drawing options with which the rule body was last composed.
// All start at -1 so that the first composition draws everything.
#include <cstdint>

namespace tesmark {

struct ComposedRecord {
    int16_t SlideRev = -1;
    int16_t ScaleLL = -1;
    int16_t ScaleST = -1;
    int16_t ScalePI = -1;
};

}  // namespace tesmark
