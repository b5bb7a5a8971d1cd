// Every table, mark for mark, as it stands today: a fingerprint of each
// table's count and of the position, tick and label of all its marks. The
// other tests say why the marks are right; this one says that none moved.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "support/built_graduation_tables.h"
#include "tables/table_catalog.h"

namespace tesmark {
namespace {

// FNV-1a over the 16-bit fields.
uint64_t Fingerprint(const TableView& view) {
    uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](int16_t value) {
        const auto bits = static_cast<uint16_t>(value);
        for (int shift = 0; shift < 16; shift += 8) {
            hash ^= (bits >> shift) & 0xffu;
            hash *= 1099511628211ull;
        }
    };
    mix(view.count);
    for (const GraduationMark& mark : view.marks) {
        mix(mark.position);
        mix(mark.tickLength);
        mix(mark.label);
    }
    return hash;
}

TEST(TableFingerprint, NoMarkOfAnyTableHasChanged) {
    const std::map<std::string, uint64_t> expected = {
        {"CD", 0xb19409bba854b427ull},   {"AB", 0xc609f4a8460aa76full},
        {"K", 0x286d4c160192225full},    {"S", 0x523826fc99323f11ull},
        {"T", 0xc75ab6d862bdabd8ull},    {"S0", 0xc6990b54b3909220ull},
        {"T0", 0xe3491aa3297f3d28ull},   {"L", 0x3e264a5ca674ba8bull},
        {"LL0", 0x9847e56d655bf488ull},  {"LL1", 0xcb51ac146e6e606cull},
        {"LL2", 0x45af81cf21c8b80cull},  {"LL3", 0x5e99abd62bc167dcull},
        {"LL/0", 0x4c0d3afed0b29c87ull}, {"LL/1", 0x795252318aa51367ull},
        {"LL/2", 0x545637fd44e003b1ull}, {"LL/3", 0x6692d1bc17e4d8a2ull},
    };
    for (const TableView& view : ListTables(testing::BuiltGraduationTables())) {
        SCOPED_TRACE(std::string(view.name));
        const auto it = expected.find(std::string(view.name));
        ASSERT_NE(it, expected.end());
        EXPECT_EQ(Fingerprint(view), it->second) << std::hex << Fingerprint(view);
    }
}

}  // namespace
}  // namespace tesmark
