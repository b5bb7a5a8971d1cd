#include "tables/table_catalog.h"

#include <algorithm>

namespace tesmark {

namespace {

// The C/D family stores the index of its last mark.
template <std::size_t Capacity>
TableView ByLastIndex(std::string_view name, const GraduationTable<Capacity>& table) {
    const auto size = static_cast<std::size_t>(std::clamp<int>(table.count + 1, 0, Capacity));
    return {name, table.count, std::span<const GraduationMark>(table.marks).first(size)};
}

// The log-log tables store the number of marks.
TableView ByMarkCount(std::string_view name, const GraduationTable<380>& table, int scale,
                      bool reciprocal) {
    const auto size = static_cast<std::size_t>(std::clamp<int>(table.count, 0, 380));
    return {name, table.count, std::span<const GraduationMark>(table.marks).first(size), scale,
            reciprocal};
}

}  // namespace

const std::array<std::string_view, kGraduationTableCount> kGraduationTableNames = {
    "CD",  "AB",  "K",   "S",   "T",    "S0",   "T0",   "L",
    "LL0", "LL1", "LL2", "LL3", "LL/0", "LL/1", "LL/2", "LL/3",
};

std::string_view TableView::LabelText(const GraduationMark& mark) const {
    if (!IsLogLog()) return {};
    return LlLabelText(llScale, reciprocal, mark.label);
}

std::array<TableView, kGraduationTableCount> ListTables(const GraduationTables& tables) {
    const auto& n = kGraduationTableNames;
    return {
        ByLastIndex(n[0], tables.CdTable),
        ByLastIndex(n[1], tables.AbTable),
        ByLastIndex(n[2], tables.KTable),
        ByLastIndex(n[3], tables.STable),
        ByLastIndex(n[4], tables.TTable),
        ByLastIndex(n[5], tables.S0Table),
        ByLastIndex(n[6], tables.T0Table),
        ByLastIndex(n[7], tables.LTable),
        ByMarkCount(n[8], tables.LlTable[0], 0, false),
        ByMarkCount(n[9], tables.LlTable[1], 1, false),
        ByMarkCount(n[10], tables.LlTable[2], 2, false),
        ByMarkCount(n[11], tables.LlTable[3], 3, false),
        ByMarkCount(n[12], tables.RecipLlTable[0], 0, true),
        ByMarkCount(n[13], tables.RecipLlTable[1], 1, true),
        ByMarkCount(n[14], tables.RecipLlTable[2], 2, true),
        ByMarkCount(n[15], tables.RecipLlTable[3], 3, true),
    };
}

std::optional<TableView> FindTable(const GraduationTables& tables, std::string_view name) {
    for (const TableView& view : ListTables(tables)) {
        if (view.name == name) return view;
    }
    return std::nullopt;
}

}  // namespace tesmark
