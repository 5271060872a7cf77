#!/usr/bin/env bash
# End-to-end test of how the program lives on a real desktop (Xvfb + openbox,
# the SDL backend): a drop-down list (the look selector's, the chooser's
# file types) leaves the screen once an item is picked; the message box and the file chooser are the main window's dialogs
# (transient for it, dialog type); the chooser stays above it when the main
# window is clicked, and goes and comes back with it; every window carries the program's icon; the wheel
# scrolls the memo under the pointer without a click into it first.
# Usage: scripts/e2e/desktop.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
viewer="$build/app/qzviewer"
sample="$root/resources/samples/bound.exe"

# Client coordinates of the controls (the frame panel lies at 1, 0).
combo_button=(258 218)
browse=(161 220)
analyse=(161 252)
frame_top=(30 200)          # the frame panel, left of the buttons: nothing to click there
memo=(100 120)
filter_button=(364 284)     # in the chooser's client area
memo_area="249x113+17+72"

QZ_BACKEND=sdl "$viewer" >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window 'QZ Trellin')" || { cat "$out/stderr" >&2; exit 1; }
# At the left edge, so that a dialog centred on the screen leaves part of it free.
xdotool windowmove --sync "$wid" 0 100
sleep 0.3

click() {  # x y, in the main window's client area
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep 0.3
}

# Our shown override-redirect windows (pop-ups), one X id a line.
shown_popups() {
  local w
  for w in $(xdotool search --onlyvisible --class qzviewer 2>/dev/null || true); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$w"
  done
  return 0
}

map_state() { xwininfo -id "$1" | sed -n 's/.*Map State: //p'; }

# The window's place in the window manager's stacking, bottom first.
stack_index() {
  local id i=0
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,//g'); do
    [ "$((id))" = "$1" ] && { echo "$i"; return 0; }
    i=$((i + 1))
  done
  echo -1
}

has_icon() { xprop -id "$1" _NET_WM_ICON | grep -q 'Icon ('; }

# --- the look selector's list goes once an item is picked (Enter, Escape, mouse)
for close_with in Return Escape click; do
  click "${combo_button[@]}"
  [ -n "$(shown_popups)" ] || e2e_fail "the drop-down list did not open"
  case "$close_with" in
    click) xdotool mousemove --window "$wid" "${combo_button[0]}" 245 click 1 ;;
    *) xdotool key Down "$close_with" ;;
  esac
  sleep 0.5
  [ -z "$(shown_popups)" ] || e2e_fail "the drop-down list stays on screen after $close_with"
  echo "ok: the list leaves the screen after $close_with"
done

has_icon "$wid" || e2e_fail "the main window has no icon"
echo "ok: the main window carries the program's icon"

# --- the message box and the chooser are the main window's dialogs
click "${analyse[@]}"   # no file yet: the error box
box="$(e2e_wait_window '^错误$')"
xprop -id "$box" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$wid")" ||
  e2e_fail "the message box is not transient for the main window"
xdotool windowactivate --sync "$box" key Return
e2e_wait_gone '^错误$'
echo "ok: the message box is the main window's dialog"

click "${browse[@]}"
dlg="$(e2e_wait_window '^打开$')"
sleep 0.3
xprop -id "$dlg" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$wid")" ||
  e2e_fail "the chooser is not transient for the main window"
xprop -id "$dlg" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
  e2e_fail "the chooser is not of the dialog type"
has_icon "$dlg" || e2e_fail "the chooser has no icon"
echo "ok: the chooser is the main window's dialog, with the icon"

# The chooser's file-type list goes too once a type is picked.
xdotool mousemove --window "$dlg" "${filter_button[@]}" click 1
sleep 0.4
[ -n "$(shown_popups)" ] || e2e_fail "the file-type list did not open"
xdotool key Down Return
sleep 0.5
[ -z "$(shown_popups)" ] || e2e_fail "the file-type list stays on screen"
echo "ok: the chooser's file-type list leaves the screen"

# A click on the main window (disabled by the chooser) keeps the chooser on top and active.
click "${frame_top[@]}"
sleep 0.3
[ "$(stack_index "$dlg")" -gt "$(stack_index "$wid")" ] || e2e_fail "the main window came over its dialog"
[ "$(xdotool getactivewindow)" = "$dlg" ] || e2e_fail "the chooser lost the activation to the disabled main window"
echo "ok: a click on the main window leaves its dialog above it"

# Minimised through either window, the two go together; restoring the main
# window brings both back, the dialog above.
for minimised in "$wid" "$dlg"; do
  xdotool windowminimize "$minimised"
  sleep 0.8
  [ "$(map_state "$wid")" = IsUnMapped ] || e2e_fail "the main window stayed on screen"
  [ "$(map_state "$dlg")" = IsUnMapped ] || e2e_fail "the dialog stayed on screen without its main window"
  xdotool windowactivate "$wid" 2>/dev/null || true
  sleep 0.8
  [ "$(map_state "$wid")" = IsViewable ] || e2e_fail "the main window did not come back"
  [ "$(map_state "$dlg")" = IsViewable ] || e2e_fail "the dialog did not come back with its main window"
  [ "$(stack_index "$dlg")" -gt "$(stack_index "$wid")" ] || e2e_fail "the dialog came back under its main window"
done
echo "ok: the dialog goes and comes back with its main window"

xdotool windowactivate --sync "$dlg" key Escape
e2e_wait_gone '^打开$'

# --- the wheel scrolls the memo under the pointer without a click into it
"$viewer" --screenshot "$out/report.png" "$sample"
click "${browse[@]}"
e2e_wait_window '^打开$' >/dev/null
sleep 0.3
xdotool type --delay 20 "$sample"
xdotool key Return
e2e_wait_gone '^打开$'
click "${analyse[@]}"
sleep 0.4
# The focus is on the button: the wheel over the memo must still scroll it.
[ "$(e2e_differing_pixels "$wid" "$out/report.png" "$memo_area")" = 0 ] ||
  e2e_fail "the report is not shown as expected"
xdotool mousemove --window "$wid" "${memo[@]}" click 5 click 5 click 5
sleep 0.4
[ "$(e2e_differing_pixels "$wid" "$out/report.png" "$memo_area")" != 0 ] ||
  e2e_fail "the wheel over the memo did not scroll it"
echo "ok: the wheel scrolls the memo under the pointer"

e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "e2e desktop: passed"
