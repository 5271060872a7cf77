#!/usr/bin/env bash
# End-to-end test of the skinned frame: a form taken over by a skinned form
# (tests/e2e/frame_window) on an X display, with openbox and then without
# any window manager. Dragging the skinned title bar moves the real window
# by the mouse delta; the maximise button fills the work area and restores;
# a double click on the bar maximises and restores; minimise hides the
# window; the system menu opens from the control box and its items act;
# the close button ends the program; WinXP's top corners are see-through.
# Usage: scripts/e2e/frame.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: frame.sh BUILD_DIR}" && pwd)"
program="$build/tests/e2e/frame_window"
# shellcheck source=lib.sh
. "$here/lib.sh"

TITLE='^Skinned frame$'
# Places on the DeepBlue bar (window coordinates): the skinned form sits at
# x 1; the bar is 32 high with 19-pixel buttons at y 2, laid out from its
# right edge 20 pixels apart, so their centres are counted from the right.
BAR_Y=12
EMPTY_X=120
CONTROL_BOX_X=10
CLOSE_FROM_RIGHT=11
MAX_FROM_RIGHT=31
MIN_FROM_RIGHT=51
MENU_TOP=32   # the system menu drops from the bar's bottom-left corner
MENU_ITEM_Y=(12 33 -1 59)   # item centres below MENU_TOP (21-pixel items, a 5-pixel separator)

geometry() {  # prints "X Y W H" of the window
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

expect_geometry() {  # WID "X Y W H" WHAT
  local now i
  for ((i = 0; i < 30; i++)); do
    now="$(geometry "$1")"
    [ "$now" = "$2" ] && return 0
    sleep 0.1
  done
  e2e_fail "$3: the window is at $now, expected $2"
}

work_area() {  # "X Y W H" of the desktop's work area
  local area
  area="$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\).*/\1 \2 \3 \4/p')"
  if [ -z "$area" ]; then
    area="0 0 ${E2E_SCREEN%%x*} $(echo "$E2E_SCREEN" | cut -dx -f2)"
  fi
  echo "$area"
}

click_at() {  # WID X Y [REPEAT]: a click at window coordinates
  local x y
  read -r x y _ _ <<<"$(geometry "$1")"
  xdotool mousemove --sync $((x + $2)) $((y + $3)) click --repeat "${4:-1}" --delay 80 1
  sleep 0.3
}

click_button() {  # WID FROM_RIGHT: a click on a title-bar button
  local w
  read -r _ _ w _ <<<"$(geometry "$1")"
  click_at "$1" $((w - $2)) "$BAR_Y"
}

start_window() {  # STYLE: starts the program; sets PID and WID
  "$program" "$1" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  PID=$!
  E2E_PIDS+=("$PID")
  WID="$(e2e_wait_window "$TITLE")" || { cat "$E2E_TMP/stderr" >&2; return 1; }
}

check_frame() {  # WHERE: the whole scenario on the current display
  local where="$1" wid pid start x y w h
  start_window DeepBlue
  wid="$WID"
  pid="$PID"
  sleep 0.5
  start="$(geometry "$wid")"
  read -r x y w h <<<"$start"
  [ "$w" = 280 ] && [ "$h" = 310 ] || e2e_fail "$where: the window is ${w}x${h}, expected 280x310"

  # Dragging the empty bar moves the window by the mouse delta.
  xdotool mousemove --sync $((x + EMPTY_X)) $((y + BAR_Y)) mousedown 1
  for step in 10 20 30 40 50 60; do
    xdotool mousemove --sync $((x + EMPTY_X + step)) $((y + BAR_Y + step / 2))
    sleep 0.05
  done
  xdotool mouseup 1
  expect_geometry "$wid" "$((x + 60)) $((y + 30)) 280 310" "$where: drag"
  start="$(geometry "$wid")"

  # The maximise button fills the work area; a second click restores.
  click_button "$wid" "$MAX_FROM_RIGHT"
  expect_geometry "$wid" "$(work_area)" "$where: maximise button"
  click_button "$wid" "$MAX_FROM_RIGHT"
  expect_geometry "$wid" "$start" "$where: restore button"

  # A double click on the empty bar maximises, another restores.
  click_at "$wid" "$EMPTY_X" "$BAR_Y" 2
  expect_geometry "$wid" "$(work_area)" "$where: double click"
  click_at "$wid" "$EMPTY_X" "$BAR_Y" 2
  expect_geometry "$wid" "$start" "$where: second double click"

  # The system menu: Maximize/Restore maximises, then Minimize hides the window.
  click_at "$wid" "$CONTROL_BOX_X" "$BAR_Y"
  click_at "$wid" 20 $((MENU_TOP + MENU_ITEM_Y[1]))
  expect_geometry "$wid" "$(work_area)" "$where: system menu Maximize/Restore"
  click_at "$wid" "$CONTROL_BOX_X" "$BAR_Y"
  click_at "$wid" 20 $((MENU_TOP + MENU_ITEM_Y[1]))
  expect_geometry "$wid" "$start" "$where: system menu restore"
  click_button "$wid" "$MIN_FROM_RIGHT"
  e2e_wait_gone "$TITLE" 5 || e2e_fail "$where: the minimise button left the window shown"
  e2e_stop_programs

  # The system menu's Close ends the program cleanly.
  start_window DeepBlue
  wid="$WID"
  pid="$PID"
  sleep 0.5
  click_at "$wid" "$CONTROL_BOX_X" "$BAR_Y"
  click_at "$wid" 20 $((MENU_TOP + MENU_ITEM_Y[3]))
  wait_exit "$pid" "$where: system menu Close"

  # The close button does too.
  start_window DeepBlue
  wid="$WID"
  pid="$PID"
  sleep 0.5
  click_button "$wid" "$CLOSE_FROM_RIGHT"
  wait_exit "$pid" "$where: close button"
  echo "$where: drag, maximise, double click, system menu, minimise and close work"
}

wait_exit() {  # PID WHAT
  local i code=0
  for ((i = 0; i < 50; i++)); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$1" 2>/dev/null && e2e_fail "$2: the program did not end"
  wait "$1" || code=$?
  [ "$code" = 0 ] || e2e_fail "$2: exit code $code"
  if [ -s "$E2E_TMP/stderr" ]; then cat "$E2E_TMP/stderr" >&2; e2e_fail "$2: the program wrote to standard error"; fi
}

pixel() {  # FILE X Y: the colour there, as hex digits
  convert "$1" -colorspace sRGB -format "%[hex:p{$2,$3}]" info:
}

check_winxp_corners() {
  local wid x y w before="$E2E_TMP/before.png" after="$E2E_TMP/after.png"
  e2e_screenshot_root "$before"
  start_window WinXP
  wid="$WID"
  sleep 0.8
  read -r x y w _ <<<"$(geometry "$wid")"
  e2e_screenshot_root "$after"
  # The corner pixel shows what was behind the window; the middle of the top row does not.
  [ "$(pixel "$after" "$x" "$y")" = "$(pixel "$before" "$x" "$y")" ] ||
    e2e_fail "WinXP: the top-left corner is not see-through"
  [ "$(pixel "$after" $((x + w - 1)) "$y")" = "$(pixel "$before" $((x + w - 1)) "$y")" ] ||
    e2e_fail "WinXP: the top-right corner is not see-through"
  [ "$(pixel "$after" $((x + 140)) $((y + 10)))" != "$(pixel "$before" $((x + 140)) $((y + 10)))" ] ||
    e2e_fail "WinXP: the title bar is not shown"
  echo "WinXP: the top corners are see-through"
  e2e_stop_programs
}

e2e_stop_programs() {
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do e2e_end_pid "${E2E_PIDS[i]}"; done
  E2E_PIDS=()
}

e2e_start
check_frame "with openbox"
check_winxp_corners

# The same without a window manager: our own move loop and maximising.
e2e_end_pid "$E2E_WM_PID"
E2E_WM_PID=""
check_frame "without a window manager"
check_winxp_corners
echo "e2e frame: passed"
