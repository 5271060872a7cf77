#!/usr/bin/env bash
# End-to-end test of the analyser's window under Xvfb + openbox with the SDL
# backend: "分析" without a file shows the error box and leaves the memo empty;
# a file chosen through the open dialog by keyboard is analysed; "关闭"
# empties path and memo; Enter runs the analysis; the close request ends the
# program with 0. The memo's contents are checked by comparing its pixels
# with the same state drawn by the headless renderer (--screenshot).
# Usage: scripts/e2e/analyse.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
viewer="$build/app/qzviewer"
sample="$root/resources/samples/bound.exe"

# Client coordinates of the controls (the frame panel lies at 1, 0).
browse=(161 220)
analyse=(161 252)
clear=(161 284)
path_field=(100 56)
path_area="249x17+17+48"    # the path field
memo_area="249x113+17+72"   # the memo
kCaretPixels=16             # the path field's caret may show in one picture only

"$viewer" --screenshot "$out/empty.png"
"$viewer" --screenshot "$out/report.png" "$sample"

QZ_BACKEND=sdl "$viewer" >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window 'QZ Trellin')" || { cat "$out/stderr" >&2; exit 1; }

click() {  # x y, in the main window's client area
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep 0.3
}

# The path field and the memo must look as in the given headless picture.
expect_contents() {  # reference.png label
  sleep 0.4
  local differing
  differing="$(e2e_differing_pixels "$wid" "$1" "$memo_area")"
  [ "$differing" = 0 ] || e2e_fail "$2: the memo differs from the expected picture ($differing pixels)"
  differing="$(e2e_differing_pixels "$wid" "$1" "$path_area")"
  [ "$differing" -le "$kCaretPixels" ] || e2e_fail "$2: the path field differs from the expected picture ($differing pixels)"
  echo "ok: $2"
}

choose_sample() {
  click "${browse[@]}"
  e2e_wait_window '^打开$' >/dev/null
  sleep 0.3
  xdotool type --delay 20 "$sample"
  xdotool key Return
  e2e_wait_gone '^打开$'
}

# "分析" with no file: the error box, OK closes it, the memo stays empty.
click "${analyse[@]}"
e2e_wait_window '^错误$' >/dev/null
xdotool key Return
e2e_wait_gone '^错误$'
expect_contents "$out/empty.png" "no file: message box, empty memo"

# A file chosen through the dialog by keyboard, then "分析": the report.
choose_sample
click "${analyse[@]}"
expect_contents "$out/report.png" "report of the chosen file"

# "关闭" empties the path field and the memo.
click "${clear[@]}"
expect_contents "$out/empty.png" "cleared"

# Enter in the read-only path field runs the analysis (the default button).
choose_sample
click "${path_field[@]}"
xdotool key Return
expect_contents "$out/report.png" "Enter runs the analysis"

# The window manager's close request ends the program with 0, silently.
e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "e2e analyse: passed"
