#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks that a desktop finds
# the program, its icon and a valid menu entry there.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/aerolune bin/aerolune-cli libexec/aerolune/aerolune-cli-draw share/icons/hicolor/scalable/apps/aerolune.svg \
         share/applications/aerolune.desktop; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The installed command line finds its drawing helper.
"$prefix/bin/aerolune-cli" plot --help | grep -q -- '--output' || { echo "installed aerolune-cli cannot run plot"; exit 1; }
desktop-file-validate "$prefix/share/applications/aerolune.desktop"
grep -q '^Categories=Education;Science;Engineering;$' "$prefix/share/applications/aerolune.desktop"
echo "install layout ok"
