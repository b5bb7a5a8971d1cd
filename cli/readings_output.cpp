#include "readings_output.h"

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <ostream>

#include "model/panel_style.h"
#include "model/reading_table.h"
#include "model/scale_layout.h"

namespace tesmark::cli {

namespace {

const char* ColumnName(ReadingColumn column) {
    switch (column) {
        case ReadingColumn::LeftIndex:
            return "left";
        case ReadingColumn::Cursor:
            return "cursor";
        case ReadingColumn::RightIndex:
            return "right";
    }
    return "";
}

struct SlotLine {
    int slot;
    SlotPlace place;
    const char* scale;  // nullptr where the panel draws nothing
    double value;
    std::string text;
};

SlotLine DescribeSlot(int slot, const RuleState& state, const ReadingTable& table) {
    SlotLine line{slot, PlaceOfSlot(slot), SlotScaleName(slot, state), table[slot], ""};
    if (line.scale != nullptr) line.text = PanelText(line.value, line.place.row, state);
    return line;
}

ReadingTable ReadingsOf(const RuleState& state) {
    ReadingTable table;
    table.values.fill(NoReading);
    RefreshAllReadings(state, table);
    return table;
}

}  // namespace

std::string ExactNumber(double value) {
    char text[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

const char* SlotScaleName(int slot, const RuleState& state) {
    const int row = PlaceOfSlot(slot).row;
    if (!PanelStyleOfRow(row, state)) return nullptr;
    return FaceLayout(state)[static_cast<std::size_t>(row)].name;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void WriteReadingsJson(std::ostream& out, const RuleState& state, const std::string& extraFields) {
    const ReadingTable table = ReadingsOf(state);
    out << "{\"state\": {\"SlidePos\": " << state.SlidePos << ", \"CursorPos\": " << state.CursorPos
        << ", \"SlideRev\": " << state.SlideRev << ", \"SinNum\": " << state.SinNum
        << ", \"ScaleLL\": " << state.ScaleLL << ", \"ScaleST\": " << state.ScaleST
        << ", \"ScalePI\": " << state.ScalePI << ", \"NumFoucs\": " << state.NumFoucs
        << "}, \"slots\": [";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SlotLine line = DescribeSlot(slot, state, table);
        out << (slot > 1 ? ", " : "") << "{\"slot\": " << slot << ", \"column\": \""
            << ColumnName(line.place.column) << "\", \"row\": " << line.place.row
            << ", \"scale\": " << (line.scale ? JsonString(line.scale) : std::string("null"))
            << ", \"value\": " << ExactNumber(line.value) << ", \"text\": " << JsonString(line.text)
            << "}";
    }
    out << "]" << extraFields << "}\n";
}

void WriteReadingsTable(std::ostream& out, const RuleState& state) {
    const ReadingTable table = ReadingsOf(state);
    out << "slot  column  row  scale  value                    text\n";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        SlotLine line = DescribeSlot(slot, state, table);
        char row[16];
        std::snprintf(row, sizeof row, "R%d", line.place.row);
        out << std::left << std::setw(6) << slot << std::setw(8) << ColumnName(line.place.column)
            << std::setw(5) << row << std::setw(7) << (line.scale ? line.scale : "-")
            << std::setw(25) << ExactNumber(line.value) << line.text << "\n";
    }
}

}  // namespace tesmark::cli
