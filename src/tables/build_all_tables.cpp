#include "tables/graduation.h"

namespace tesmark {

// The LL builders read nothing the front-face builder writes; the order is
// that of the window's construction.
void BuildAllTables(GraduationTables& tables) {
    BuildScaleTables(tables);
    BuildLLTables(tables);
    BuildReciprocalLLTables(tables);
}

}  // namespace tesmark
