#!/usr/bin/env bash
# Fails when aerolune-cli would load a Qt library: its own dynamic section
# must not ask for one, nor anything the loader brings in with it. The
# drawing helper, which does draw through Qt, is checked the other way round
# so that a check that sees nothing cannot pass.
set -euo pipefail
cli=${1:?usage: check-cli-qt-free.sh AEROLUNE_CLI DRAWING_HELPER}
helper=${2:?usage: check-cli-qt-free.sh AEROLUNE_CLI DRAWING_HELPER}

for binary in "$cli" "$helper"; do
  [ -x "$binary" ] || { echo "not built: $binary"; exit 1; }
done

qt_libraries() {
  { readelf -d "$1" | grep NEEDED || true; ldd "$1"; } | grep -o 'libQt[A-Za-z0-9]*\.so[.0-9]*' | sort -u || true
}

found=$(qt_libraries "$cli")
if [ -n "$found" ]; then
  echo "aerolune-cli loads Qt libraries:"
  echo "$found"
  exit 1
fi
if [ -z "$(qt_libraries "$helper")" ]; then
  echo "no Qt library found in the drawing helper either: the check cannot see them"
  exit 1
fi
echo "aerolune-cli loads no Qt library; its drawing helper does"
