#pragma once
// The command registry: one row per command of the program, with both
// identifiers of its pair, the rule that says when it is enabled, its mark
// (none, check or radio) and its handler. Every path that issues a command
// — menu item, toolbar button, accelerator key, push button, context menu —
// goes through this table, and a disabled command does not run.
#include <cstdint>
#include <span>
#include <string_view>

#include "ops/command_context.h"
#include "ops/command_port.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"

namespace tesmark {

// What a handler works on: the rule session, the operations' window port
// and the window actions of the commands.
struct CommandTarget {
    RuleSession& session;
    WindowPort& window;
    CommandPort& commands;
};

enum class MarkKind { None, Check, Radio };

struct CommandRow {
    int id;                 // the Japanese (or only) identifier
    int englishId;          // the English twin, 0 when none
    std::string_view name;  // what it does, for listings
    bool (*enabled)(const CommandContext& context);
    MarkKind mark;
    bool (*marked)(const CommandContext& context);  // nullptr with MarkKind::None
    void (*run)(CommandTarget& target);
};

std::span<const CommandRow> CommandRegistry();

// The row of either identifier of a pair; nullptr for an unknown one.
const CommandRow* FindCommand(int id);

struct CommandState {
    bool enabled = true;
    bool marked = false;
    MarkKind mark = MarkKind::None;
};

// An identifier without a row is always enabled and unmarked.
CommandState CommandStateOf(int id, const CommandContext& context);

enum class CommandOutcome { Ran, Disabled, Unknown };

// Runs the command of an identifier when its rule enables it.
CommandOutcome ExecuteCommand(int id, CommandTarget& target, const CommandContext& context);

}  // namespace tesmark
