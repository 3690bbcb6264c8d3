#!/usr/bin/env bash
# Checks that every C++ file is laid out as .clang-format says; lists the
# files that are not and fails. `bash scripts/check-format.sh --fix` lays
# them out in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -oE '^[^:]+:[0-9]+:[0-9]+: warning' | cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
  echo "not laid out as .clang-format says (bash scripts/check-format.sh --fix):"
  echo "$unformatted"
  exit 1
fi
echo "layout: every C++ file as .clang-format says"
