// The log-log tables LL0 to LL3 and LL/0 to LL/3. Their count field holds the
// number of marks, and their labels index the scale's label strings.
#include <span>

#include "tables/graduation.h"
#include "tables/ll_segments.h"
#include "tables/mark_writer.h"
#include "tables/scale_positions.h"

namespace tesmark {

namespace {

void BuildLogLogTable(const LlRecipe& recipe, GraduationTable<380>& table) {
    MarkWriter ll(std::span<GraduationMark>(table.marks), SecondaryTicks);
    if (recipe.hasIndexMark) {
        ll.Fixed(recipe.indexMarkPosition, TickClass::Long, 1);  // e or 1/e: the first string
        ll.StartLabelCounter(2);
    } else {
        ll.StartLabelCounter(1);
    }
    ll.Run(recipe.segments,
           [&](double x) { return LogLogPosition(x, recipe.decade, recipe.reciprocal); });
    table.count = ll.MarkCount();
}

// LL<n> spans decade 3 - n below the index: LL3 the first, LL0 the fourth.
GraduationTable<380>& TableOf(std::array<GraduationTable<380>, kLlScaleCount>& tables,
                              const LlRecipe& recipe) {
    return tables[static_cast<std::size_t>(kLlScaleCount - 1 - recipe.decade)];
}

}  // namespace

void BuildLLTables(GraduationTables& tables) {
    for (const LlRecipe& recipe : kLlRecipes)
        BuildLogLogTable(recipe, TableOf(tables.LlTable, recipe));
}

void BuildReciprocalLLTables(GraduationTables& tables) {
    for (const LlRecipe& recipe : kRecipLlRecipes) {
        BuildLogLogTable(recipe, TableOf(tables.RecipLlTable, recipe));
    }
}

}  // namespace tesmark
