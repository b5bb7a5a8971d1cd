#pragma once
// The sixteen graduation tables by name, with the marks each one holds
// whatever its count convention, for listing and examining them.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "tables/graduation.h"

namespace tesmark {

inline constexpr std::size_t kGraduationTableCount = 16;

struct TableView {
    std::string_view name;                  // "CD", "AB", ... "LL0", ... "LL/3"
    int16_t count;                          // the count field as stored
    std::span<const GraduationMark> marks;  // the marks built
    int llScale = -1;                       // 0..3 for the log-log tables, else -1
    bool reciprocal = false;                // LL/0..LL/3

    bool IsLogLog() const { return llScale >= 0; }
    // The text of a mark's label on a log-log table (empty when unlabelled).
    std::string_view LabelText(const GraduationMark& mark) const;
};

// The names in listing order: CD, AB, K, S, T, S0, T0, L, LL0..LL3, LL/0..LL/3.
extern const std::array<std::string_view, kGraduationTableCount> kGraduationTableNames;

// All tables in listing order.
std::array<TableView, kGraduationTableCount> ListTables(const GraduationTables& tables);

// The table of that exact name, if there is one.
std::optional<TableView> FindTable(const GraduationTables& tables, std::string_view name);

}  // namespace tesmark
