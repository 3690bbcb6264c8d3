#!/usr/bin/env bash
# Starts the program on a private X server, waits for the main window and
# takes a screenshot of the screen. With --check it also makes sure the plot
# area shows a drawing (the section at start-up): a blank plot fails.
#   scripts/screenshot.sh [--check] [--program PATH] [--open FILE] [--wait S] [--size WxH] OUT.png [KEYS...]
# KEYS are xdotool key names sent to the window before the shot (for example
# alt+v to open the View/Compute menu); a KEY written type:TEXT types TEXT
# (a file name into a file dialog, say). --open starts the program on a
# coordinate file; --wait gives the last key S seconds more (a polar sweep);
# --size resizes the window before the keys (1280x1000 fills the screen as a
# maximised window would: the private server runs no window manager).
set -euo pipefail
check=0
program=build/app/main/aerolune
open_file=()
wait_after=0
size=""
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check=1; shift ;;
    --program) program=$2; shift 2 ;;
    --open) open_file=("$2"); shift 2 ;;
    --wait) wait_after=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    *) break ;;
  esac
done
out=${1:?usage: screenshot.sh [--check] [--program PATH] OUT.png [KEYS...]}
shift
[ -x "$program" ] || { echo "no program at $program"; exit 1; }

# Xvfb picks a free display itself and writes its number to the descriptor
# given by -displayfd once it accepts connections: probing for a free number
# first and starting the server afterwards races with parallel runs.
dfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dfile" >/dev/null 2>&1 &
xpid=$!
apid=""
cleanup() {
  [ -n "$apid" ] && kill "$apid" 2>/dev/null || true
  kill "$xpid" 2>/dev/null || true
  rm -f "$dfile"
  wait 2>/dev/null || true
}
trap cleanup EXIT
number=""
for _ in $(seq 100); do
  # The number is complete once its line ends.
  [ "$(wc -l <"$dfile")" -ge 1 ] && { number=$(tr -dc 0-9 <"$dfile"); break; }
  kill -0 "$xpid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$number" ] || { echo "the X server did not start"; exit 1; }
export DISPLAY=":$number"

QT_QPA_PLATFORM=xcb "$program" "${open_file[@]}" >/dev/null 2>"${out%.png}.log" &
apid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Aerolune - Version' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
sleep 2  # the first resize runs the first recomputation and draws the view
if [ -n "$size" ]; then
  xdotool windowmove "$window" 0 0 windowsize "$window" "${size%x*}" "${size#*x}" 2>/dev/null
  sleep 1.5
fi
# Keys go through the XTEST extension to the focused window: with no window
# manager the window is focused by hand, and Qt ignores keys sent to a window.
if [ $# -gt 0 ]; then xdotool windowfocus "$window" 2>/dev/null || true; sleep 0.3; fi
# With no window manager nothing gives the focus back when a dialog closes:
# before each key, a focus lost to the root goes to the program's newest
# window other than the main window (an open dialog or message), else to
# the main window.
refocus() {
  local focused newest
  focused=$(xdotool getwindowfocus 2>/dev/null || true)
  xdotool search --onlyvisible --pid "$apid" 2>/dev/null | grep -qx "$focused" && return 0
  newest=$(xdotool search --onlyvisible --pid "$apid" 2>/dev/null | grep -vx "$window" | tail -n 1 || true)
  xdotool windowfocus "${newest:-$window}" 2>/dev/null || true
  sleep 0.2
}
for key in "$@"; do
  refocus
  case "$key" in
    type:*) xdotool type --delay 20 "${key#type:}" 2>/dev/null ;;
    *) xdotool key "$key" 2>/dev/null ;;
  esac
  sleep 0.7
done
sleep "$wait_after"
import -window root "$out"
echo "screenshot: $out"

if [ "$check" = 1 ]; then
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The plot area fills the left part of the window below the picture bar;
  # sample its middle, where the section lies at start-up.
  cx=$((X + WIDTH / 10)); cw=$((WIDTH / 2))
  cy=$((Y + HEIGHT * 3 / 10)); ch=$((HEIGHT * 2 / 5))
  deviation=$(convert "$out" -crop "${cw}x${ch}+${cx}+${cy}" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  echo "plot-area sample ${cw}x${ch}+${cx}+${cy}: grey deviation $deviation"
  awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }' || { echo "the plot area is blank"; exit 1; }
fi
