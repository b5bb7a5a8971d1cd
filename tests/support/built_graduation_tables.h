#pragma once
// The sixteen graduation tables, built once per test program.
#include <memory>

#include "tables/graduation.h"

namespace tesmark::testing {

inline const GraduationTables& BuiltGraduationTables() {
    static const std::unique_ptr<GraduationTables> tables = [] {
        auto built = std::make_unique<GraduationTables>();
        BuildAllTables(*built);
        return built;
    }();
    return *tables;
}

}  // namespace tesmark::testing
