#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks that a desktop finds
# the program, its icon, a valid menu entry that opens section files, and the
# section file type with its *.dat pattern in the prefix's MIME database.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/aerolune bin/aerolune-cli libexec/aerolune/aerolune-cli-draw share/icons/hicolor/scalable/apps/aerolune.svg \
         share/applications/aerolune.desktop share/mime/packages/aerolune-section.xml; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The installed command line finds its drawing helper.
"$prefix/bin/aerolune-cli" plot --help | grep -q -- '--output' || { echo "installed aerolune-cli cannot run plot"; exit 1; }
entry="$prefix/share/applications/aerolune.desktop"
desktop-file-validate "$entry"
expect_line() {
  grep -qx -- "$1" "$2" || { echo "$2 has no line: $1"; exit 1; }
}
expect_line 'Categories=Education;Science;Engineering;' "$entry"
expect_line 'Exec=aerolune %f' "$entry"
expect_line 'MimeType=text/x-aerolune-section;text/plain;' "$entry"

# The install rebuilt the prefix's MIME database: the pattern is known there
# and the type is a kind of plain text.
mime="$prefix/share/mime"
if command -v update-mime-database >/dev/null; then
  grep -q '^[0-9]*:text/x-aerolune-section:\*\.dat' "$mime/globs2" ||
    { echo "the MIME database in $mime does not map *.dat to text/x-aerolune-section"; exit 1; }
  grep -qx 'text/x-aerolune-section text/plain' "$mime/subclasses" ||
    { echo "text/x-aerolune-section is not a kind of text/plain in $mime"; exit 1; }
fi
if command -v update-desktop-database >/dev/null; then
  grep -q '^text/x-aerolune-section=aerolune.desktop' "$prefix/share/applications/mimeinfo.cache" ||
    { echo "the menu entry is not listed for text/x-aerolune-section"; exit 1; }
fi
echo "install layout ok"
