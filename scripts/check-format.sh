#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the
# committed .clang-format, listing those files (--fix reformats them), or
# when shellcheck warns about a shell file.
# Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.h.in')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
drift=()
for f in "${files[@]}"; do
    clang-format --assume-filename="${f%.in}" < "$f" | cmp -s - "$f" || drift+=("$f")
done
if [ ${#drift[@]} -gt 0 ]; then
    echo "check-format: ${#drift[@]} files differ from clang-format (scripts/check-format.sh --fix):" >&2
    printf '  %s\n' "${drift[@]}" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files as clang-format writes them"
mapfile -t scripts < <(git ls-files '*.sh')
shellcheck -S warning "${scripts[@]}"
echo "check-format: ${#scripts[@]} shell files as shellcheck reads them"
