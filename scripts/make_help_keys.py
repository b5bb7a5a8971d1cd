#!/usr/bin/env python3
"""Fill the key list of the help book from the program's command registry.

The registry comes from the program itself: `tesmark-cli commands --json
--lang en` and `--lang ja` print one object per command, such as
  {"id": 601, "englishId": 32791, "name": "copy the focus reading ...",
   "keys": "Ctrl+C", "menuText": "&Copy Ctrl+C", ...}
in the registry's order. Every command is listed: those with keys in the first
table, the others in a second one, each with its identifiers (the Japanese or
only one, then the English twin). A command is named as the book names it in
resources/help/command_names.json ({"601": {"en": "...", "ja": "..."}}); a
command that file does not know yet is named by its menu text in the language
(without the mnemonic and the key), or else by the registry's own name, and a
line on stderr says so. So a new command appears in the book as soon as the
registry has it; the names file only improves its wording.

The rows replace whatever stands between "<!-- keys:begin -->" and
"<!-- keys:end -->" in resources/help/<lang>/keys.html.

usage: make_help_keys.py [--cli PATH | --json-en FILE --json-ja FILE] [--check]
  --cli PATH       the tesmark-cli to ask (default: build/tesmark-cli)
  --json-en FILE, --json-ja FILE
                   the two listings, saved before
  --check          change nothing; exit 1 if a page is not up to date
"""
import argparse
import html
import json
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HELP = ROOT / "resources" / "help"
NAMES = HELP / "command_names.json"
BEGIN = "<!-- keys:begin -->"
END = "<!-- keys:end -->"
LANGUAGES = ("en", "ja")
TEXTS = {
    "en": {
        "key": "Key",
        "command": "Command",
        "ident": "Identifier",
        "keyless": "Commands without a key",
        "keyless_note": "These commands are given through the menus, the context menus, the "
        "toolbars or the push buttons.",
    },
    "ja": {
        "key": "キー",
        "command": "コマンド",
        "ident": "識別子",
        "keyless": "キーのないコマンド",
        "keyless_note": "次のコマンドは、メニュー、コンテキスト・メニュー、ツールバー、"
        "またはボタンから実行します。",
    },
}
TABLE = '<table border="1" cellspacing="0" cellpadding="4" style="border-collapse: collapse">'


def plain_menu_text(text, keys):
    """A menu text as a name: "コピー(&C) Ctrl+C" gives "コピー", "&Help  F1" "Help"."""
    text = text.strip()
    for key in keys:
        if key and text.endswith(key):
            text = text[: -len(key)].rstrip()
    text = re.sub(r"\(&[^)]\)", "", text)
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def key_list(command):
    return [k.strip() for k in command.get("keys", "").split(",") if k.strip()]


def identifiers(command):
    ids = [str(int(command["id"]))]
    if int(command.get("englishId", 0)):
        ids.append(str(int(command["englishId"])))
    return " / ".join(ids)


def command_name(command, language, names, unnamed):
    book = names.get(str(command["id"]), {}).get(language)
    if book:
        return book
    text = plain_menu_text(command.get("menuText", ""), key_list(command))
    if not text:
        registry = command.get("name", "")
        text = registry[:1].upper() + registry[1:]
    unnamed.append(f"{command['id']} ({language}): \"{text}\"")
    return text


def key_rows(commands, language, names, unnamed):
    texts = TEXTS[language]
    keyed = [c for c in commands if key_list(c)]
    keyless = [c for c in commands if not key_list(c)]
    lines = [TABLE]
    lines.append(f"<tr><th>{texts['key']}</th><th>{texts['command']}</th><th>{texts['ident']}</th></tr>")
    for command in keyed:
        keys = ", ".join(html.escape(k) for k in key_list(command))
        name = html.escape(command_name(command, language, names, unnamed))
        lines.append(f"<tr><td><b>{keys}</b></td><td>{name}</td><td>{identifiers(command)}</td></tr>")
    lines.append("</table>")
    lines.append(f"<h2>{texts['keyless']}</h2>")
    lines.append(f"<p>{texts['keyless_note']}</p>")
    lines.append(TABLE)
    lines.append(f"<tr><th>{texts['command']}</th><th>{texts['ident']}</th></tr>")
    for command in keyless:
        name = html.escape(command_name(command, language, names, unnamed))
        lines.append(f"<tr><td>{name}</td><td>{identifiers(command)}</td></tr>")
    lines.append("</table>")
    return "\n".join(lines)


def filled_page(page_text, rows):
    start = page_text.find(BEGIN)
    end = page_text.find(END)
    if start < 0 or end < start:
        raise ValueError("the page has no key markers")
    return page_text[: start + len(BEGIN)] + "\n" + rows + "\n" + page_text[end:]


def listing_from_cli(cli, language):
    result = subprocess.run(
        [cli, "commands", "--json", "--lang", language],
        check=True,
        capture_output=True,
        text=True,
        encoding="utf-8",
    )
    return json.loads(result.stdout)


def main(argv):
    parser = argparse.ArgumentParser(description="Fill the help book's key list.")
    parser.add_argument("--cli", default=str(ROOT / "build" / "tesmark-cli"))
    parser.add_argument("--json-en")
    parser.add_argument("--json-ja")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args(argv)

    listings = {}
    for language in LANGUAGES:
        saved = getattr(args, f"json_{language}")
        try:
            if saved:
                with open(saved, encoding="utf-8") as source:
                    listings[language] = json.load(source)
            else:
                listings[language] = listing_from_cli(args.cli, language)
        except (OSError, subprocess.CalledProcessError, json.JSONDecodeError) as error:
            print(f"make_help_keys.py: cannot read the command list: {error}", file=sys.stderr)
            return 2
    with open(NAMES, encoding="utf-8") as source:
        names = json.load(source)

    stale = []
    unnamed = []
    for language in LANGUAGES:
        page = HELP / language / "keys.html"
        text = page.read_text(encoding="utf-8")
        try:
            new_text = filled_page(text, key_rows(listings[language], language, names, unnamed))
        except ValueError as error:
            print(f"{page}: {error}", file=sys.stderr)
            return 2
        if new_text == text:
            continue
        if args.check:
            stale.append(str(page))
        else:
            page.write_text(new_text, encoding="utf-8")
    for entry in unnamed:
        print(f"make_help_keys.py: {NAMES.name} has no name for command {entry} is used",
              file=sys.stderr)
    if stale:
        print("not up to date (run scripts/make_help_keys.py): " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
