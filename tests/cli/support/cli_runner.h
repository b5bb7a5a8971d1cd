#pragma once
// Runs one tesmark-cli command line in-process and keeps what it printed.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli_main.h"

namespace tesmark::cli {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

// The text of the first JSON field named `key` ("\"CursorPos\": 123" gives
// "123"), up to the next ',' or '}'; nothing when there is no such field.
inline std::optional<std::string> JsonField(const std::string& json, const std::string& key) {
    const std::string name = "\"" + key + "\": ";
    const std::size_t start = json.find(name);
    if (start == std::string::npos) return std::nullopt;
    const std::size_t from = start + name.size();
    return json.substr(from, json.find_first_of(",}", from) - from);
}

}  // namespace tesmark::cli
