// The numbers printed on the log-log scales. A mark's label k shows entry k
// (1-based); every list ends with one space, which no mark refers to.
#include <string_view>

#include "tables/graduation.h"

namespace tesmark {

namespace {

constexpr std::string_view kLl3Labels[] = {
    "e",  "3",  "4",  "5",   "6",   "7",   "8",    "9",    "10",   "15",    "20",    "25",
    "30", "40", "50", "100", "200", "500", "1000", "2000", "5000", "10000", "20000", " ",
};
constexpr std::string_view kLl2Labels[] = {
    "e", "2.5", "2", "1.9", "1.8", "1.7", "1.6", "1.5", "1.4", "1.3", "1.2", "1.15", "1.11", " ",
};
constexpr std::string_view kLl1Labels[] = {
    "1.10", "1.09", "1.08", "1.07", "1.06", "1.05", "1.04", "1.03", "1.02", "1.015", "1.01", " ",
};
constexpr std::string_view kLl0Labels[] = {
    "1.01",  "1.009", "1.008", "1.007",  "1.006", "1.005",
    "1.004", "1.003", "1.002", "1.0015", "1.001", " ",
};
// " 1/e" carries its leading space.
constexpr std::string_view kRecipLl3Labels[] = {
    " 1/e", ".3",   ".2",   ".1",    ".05",   ".03",   ".02",    ".01",
    ".005", ".002", ".001", ".0005", ".0002", ".0001", ".00005", " ",
};
constexpr std::string_view kRecipLl2Labels[] = {
    " 1/e", ".4", ".5", ".6", ".7", ".8", ".85", ".9", " ",
};
constexpr std::string_view kRecipLl1Labels[] = {
    ".91", ".92", ".93", ".94", ".95", ".96", ".97", ".98", ".985", ".99", " ",
};
constexpr std::string_view kRecipLl0Labels[] = {
    ".990", ".991", ".992", ".993", ".994", ".995", ".996", ".997", ".998", ".9985", ".999", " ",
};

constexpr std::span<const std::string_view> kLlLabels[kLlScaleCount] = {kLl0Labels, kLl1Labels,
                                                                        kLl2Labels, kLl3Labels};
constexpr std::span<const std::string_view> kRecipLlLabels[kLlScaleCount] = {
    kRecipLl0Labels, kRecipLl1Labels, kRecipLl2Labels, kRecipLl3Labels};

}  // namespace

std::span<const std::string_view> LlLabelStrings(int scale, bool reciprocal) {
    if (scale < 0 || scale >= kLlScaleCount) return {};
    return (reciprocal ? kRecipLlLabels : kLlLabels)[scale];
}

std::string_view LlLabelText(int scale, bool reciprocal, int label) {
    const std::span<const std::string_view> strings = LlLabelStrings(scale, reciprocal);
    if (label < 1 || static_cast<std::size_t>(label) > strings.size()) return {};
    return strings[static_cast<std::size_t>(label - 1)];
}

}  // namespace tesmark
