#!/usr/bin/env bash
# Installs what is missing, builds everything with bounds-checked arrays and
# runs every test. The last line printed is ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAEROLUNE_CHECKED=ON >/dev/null
cmake --build build-tests
log=$(mktemp)
status=0
ctest --test-dir build-tests --output-on-failure -j2 --timeout 600 >"$log" 2>&1 || status=$?
# Everything ctest said, then its summary line last.
grep -v -E '^[0-9]+% tests passed|^Total Test time|^$' "$log" || true
grep -E '^[0-9]+% tests passed' "$log" || echo "ctest did not run"
rm -f "$log"
exit "$status"
