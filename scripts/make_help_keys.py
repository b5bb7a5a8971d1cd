#!/usr/bin/env python3
"""Fill the key list of the help book from the program's command list.

The list is JSON: an array of objects, one per command, such as
  {"id": 601, "english_id": 32791, "keys": ["Ctrl+C"],
   "menu_text": {"en": "&Copy", "ja": "コピー(&C)"}}
(the shape that `tesmark-cli commands --json` prints is read too: "ids" as a
list of identifiers and "text" instead of "menu_text"). Only commands with at
least one key are listed. The rows replace whatever stands between
"<!-- keys:begin -->" and "<!-- keys:end -->" in resources/help/<lang>/keys.html,
so the page always says what the program does.

usage: make_help_keys.py [--commands FILE.json] [--check]
  --commands FILE  the command list (default resources/help/commands.json; "-"
                   reads standard input, e.g. from `tesmark-cli commands --json`)
  --check          change nothing; exit 1 if a page is not up to date
"""
import argparse
import html
import json
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HELP = ROOT / "resources" / "help"
BEGIN = "<!-- keys:begin -->"
END = "<!-- keys:end -->"
LANGUAGES = ("en", "ja")
HEADINGS = {
    "en": ("Key", "Command", "Identifier"),
    "ja": ("キー", "コマンド", "識別子"),
}


def plain_menu_text(text):
    """The menu text without its mnemonic: "コピー(&C)" and "&Copy" lose the "&"."""
    text = re.sub(r"\(&[^)]\)", "", text)
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def command_ids(command):
    if "ids" in command:
        return [int(i) for i in command["ids"]]
    ids = [int(command["id"])]
    if command.get("english_id") is not None:
        ids.append(int(command["english_id"]))
    return ids


def command_text(command, language):
    text = command.get("menu_text", command.get("text", ""))
    if isinstance(text, dict):
        text = text.get(language) or text.get("en", "")
    return plain_menu_text(str(text))


def key_rows(commands, language):
    lines = []
    key, name, ident = HEADINGS[language]
    lines.append("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-collapse: collapse\">")
    lines.append(f"<tr><th>{key}</th><th>{name}</th><th>{ident}</th></tr>")
    for command in commands:
        keys = command.get("keys") or []
        if not keys:
            continue
        key_text = ", ".join(html.escape(k) for k in keys)
        ids = " / ".join(str(i) for i in command_ids(command))
        lines.append(
            f"<tr><td><b>{key_text}</b></td><td>{html.escape(command_text(command, language))}"
            f"</td><td>{ids}</td></tr>"
        )
    lines.append("</table>")
    return "\n".join(lines)


def filled_page(page_text, rows):
    start = page_text.find(BEGIN)
    end = page_text.find(END)
    if start < 0 or end < start:
        raise ValueError("the page has no key markers")
    return page_text[: start + len(BEGIN)] + "\n" + rows + "\n" + page_text[end:]


def main(argv):
    parser = argparse.ArgumentParser(description="Fill the help book's key list.")
    parser.add_argument("--commands", default=str(HELP / "commands.json"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args(argv)

    if args.commands == "-":
        commands = json.load(sys.stdin)
    else:
        with open(args.commands, encoding="utf-8") as source:
            commands = json.load(source)

    stale = []
    for language in LANGUAGES:
        page = HELP / language / "keys.html"
        text = page.read_text(encoding="utf-8")
        try:
            new_text = filled_page(text, key_rows(commands, language))
        except ValueError as error:
            print(f"{page}: {error}", file=sys.stderr)
            return 2
        if new_text == text:
            continue
        if args.check:
            stale.append(str(page))
        else:
            page.write_text(new_text, encoding="utf-8")
    if stale:
        print("not up to date (run scripts/make_help_keys.py): " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
