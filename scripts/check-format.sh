#!/usr/bin/env bash
# Checks that every C++ file of the project is formatted with the
# repository's .clang-format; lists the files that drift and fails.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
drift=()
for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || drift+=("$file")
done
if [ ${#drift[@]} -ne 0 ]; then
    echo "not formatted with .clang-format (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${drift[@]}"
    exit 1
fi
echo "formatting: ${#files[@]} files as .clang-format says"
