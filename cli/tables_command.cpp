// tesmark-cli tables: the graduation tables as CSV or JSON, for examining the
// marks every scale is drawn from.
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "option_table.h"
#include "tables/graduation.h"
#include "tables/table_catalog.h"

namespace tesmark::cli {

namespace {

struct TablesRequest {
    bool json = false;
    std::vector<std::string> names;
};

std::vector<OptionGroup> TablesOptions(TablesRequest& request) {
    return {{nullptr,
             11,
             {FlagOption("--json",
                         "an object keyed by table name, each with \"count\" (the table's\n"
                         "count field) and \"marks\": [{\"index\", \"position\", \"tick\", "
                         "\"label\"}]",
                         request.json),
              HelpOption()}}};
}

void PrintTablesHelp(std::ostream& out) {
    TablesRequest unused;
    out << "usage: tesmark-cli tables [--json] [NAME...]\n"
           "\n"
           "Prints the marks of the named graduation tables, or of all sixteen when none\n"
           "is named: CD AB K S T S0 T0 L LL0 LL1 LL2 LL3 LL/0 LL/1 LL/2 LL/3.\n"
           "\n"
           "CSV (the default) has the header table,index,position,tick,label: one row per\n"
           "mark, position in pixels from the scale's reference end, tick the tick length\n"
           "in pixels, label the number at the mark (0 for none) or, on the LL scales, the\n"
           "text shown there (empty for none).\n"
           "\n";
    WriteOptionHelp(out, TablesOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseTables(const Args& args, TablesRequest& request, std::string& error) {
    auto name = [&request](const std::string& text, std::string& message) {
        if (std::find(kGraduationTableNames.begin(), kGraduationTableNames.end(), text) ==
            kGraduationTableNames.end()) {
            message = "unknown table '" + text + "' (tables:";
            for (std::string_view known : kGraduationTableNames)
                message += " " + std::string(known);
            message += ")";
            return false;
        }
        request.names.push_back(text);
        return true;
    };
    return ParseCommandLine(args, {TablesOptions(request), name, "-"}, error);
}

// RFC 4180 quoting, also for surrounding blanks, which readers tend to trim
// (the LL/ scales show " 1/e").
std::string CsvField(std::string_view text) {
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 0xf];
        } else {
            json += c;
        }
    }
    json += '"';
    return json;
}

void WriteCsv(const std::vector<TableView>& views, std::ostream& out) {
    out << "table,index,position,tick,label\n";
    for (const TableView& view : views) {
        for (std::size_t i = 0; i < view.marks.size(); ++i) {
            const GraduationMark& mark = view.marks[i];
            out << CsvField(view.name) << ',' << i << ',' << mark.position << ',' << mark.tickLength
                << ',';
            if (view.IsLogLog()) {
                out << CsvField(view.LabelText(mark));
            } else {
                out << mark.label;
            }
            out << '\n';
        }
    }
}

void WriteJson(const std::vector<TableView>& views, std::ostream& out) {
    out << "{";
    for (std::size_t t = 0; t < views.size(); ++t) {
        const TableView& view = views[t];
        out << (t == 0 ? "\n" : ",\n") << "  " << JsonString(view.name)
            << ": {\"count\": " << view.count << ", \"marks\": [";
        for (std::size_t i = 0; i < view.marks.size(); ++i) {
            const GraduationMark& mark = view.marks[i];
            out << (i == 0 ? "\n" : ",\n") << "    {\"index\": " << i
                << ", \"position\": " << mark.position << ", \"tick\": " << mark.tickLength
                << ", \"label\": ";
            if (view.IsLogLog()) {
                out << JsonString(view.LabelText(mark));
            } else {
                out << mark.label;
            }
            out << '}';
        }
        out << (view.marks.empty() ? "]}" : "\n  ]}");
    }
    out << (views.empty() ? "}\n" : "\n}\n");
}

}  // namespace

int ParseTablesOnly(const Args& args, std::string& error) {
    TablesRequest request;
    return ParseTables(args, request, error) == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunTables(const Args& args, std::ostream& out, std::ostream& err) {
    TablesRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(ParseTables(args, request, error), "tables",
                                                       error, out, err, PrintTablesHelp)) {
        return *code;
    }
    const std::vector<std::string>& names = request.names;
    const bool json = request.json;

    const auto tables = std::make_unique<GraduationTables>();
    BuildAllTables(*tables);

    std::vector<TableView> views;
    if (names.empty()) {
        const auto all = ListTables(*tables);
        views.assign(all.begin(), all.end());
    }
    for (const std::string& name : names) {
        const auto view = FindTable(*tables, name);
        if (!view) {
            err << "tesmark-cli tables: unknown table '" << name << "' (tables:";
            for (std::string_view known : kGraduationTableNames) err << ' ' << known;
            err << ")\n";
            return kExitUsage;
        }
        // A table named twice is listed once: JSON keys must be unique.
        const bool listed = std::any_of(views.begin(), views.end(),
                                        [&](const TableView& v) { return v.name == view->name; });
        if (!listed) views.push_back(*view);
    }

    if (json) {
        WriteJson(views, out);
    } else {
        WriteCsv(views, out);
    }
    return kExitDone;
}

}  // namespace tesmark::cli
