#!/usr/bin/env bash
# End-to-end test of the skinned combo box on a real desktop (Xvfb + openbox,
# the SDL backend), in the gallery's combo box section: the look selector's
# list opens under a click, an item is picked by mouse and then by keyboard
# (each pick restyles the box, so its button shows which item was taken),
# and the drive combo box opens a list of this machine's places.
# Usage: scripts/e2e/combo.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
gallery="$build/tools/gallery/gallery"

# Client coordinates: the section's panel lies below the style bar and its title.
body_x=8
body_y=58
look_button=($((body_x + 54)) $((body_y + 10)))   # the look selector's drop-down button
look_face=($((body_x + 50)) $((body_y + 5)))       # a pixel of that button's face
row_height=13
drive=($((body_x + 100)) $((body_y + 40)))          # the drive combo box

QZ_BACKEND=sdl "$gallery" --page combo --style DeepBlue >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window '皮肤组件样例')" || { cat "$out/stderr" >&2; exit 1; }
sleep 0.5

pixel() {  # x y in the client area: the colour as #RRGGBB
  e2e_screenshot_window "$wid" "$out/pixel.png"
  convert "$out/pixel.png" -crop "1x1+$1+$2" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

shown_popups() {
  local w
  for w in $(xdotool search --onlyvisible --class gallery 2>/dev/null || true); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$w"
  done
  return 0
}

expect_face() {  # what: "flat" (DeepBlue's button) or "bitmap" (MacOS or WinXP)
  local face
  face="$(pixel "${look_face[@]}")"
  case "$1" in
    flat) [ "$face" = "#E8E8E8" ] || e2e_fail "the button face is $face, not DeepBlue's flat #E8E8E8 ($2)" ;;
    bitmap) [ "$face" != "#E8E8E8" ] || e2e_fail "the button is still flat ($2)" ;;
  esac
}

expect_face flat "at start"
[ "$(pixel $((body_x + 46)) $((body_y + 5)))" = "#000000" ] || e2e_fail "no black separator left of the button"
echo "ok: the look selector shows DeepBlue's flat button with its separator"

# --- by mouse: open, then pick the second row ("MACOS")
xdotool mousemove --window "$wid" "${look_button[@]}" click 1
sleep 0.5
[ -n "$(shown_popups)" ] || e2e_fail "the list did not open under a click"
e2e_screenshot_root "$out/open.png"
xdotool mousemove --window "$wid" $((body_x + 20)) $((body_y + 21 + 1 + row_height + row_height / 2)) click 1
sleep 0.5
[ -z "$(shown_popups)" ] || e2e_fail "the list stays open after the pick"
expect_face bitmap "after picking MACOS by mouse"
echo "ok: a click opens the list and a click on MACOS picks it"

# --- by keyboard: Up picks BLUE while closed; F4, Down, Down, Enter picks WINXP
xdotool key Up
sleep 0.4
expect_face flat "after Up to BLUE"
xdotool key F4
sleep 0.4
[ -n "$(shown_popups)" ] || e2e_fail "F4 did not open the list"
xdotool key Down Down Return
sleep 0.5
[ -z "$(shown_popups)" ] || e2e_fail "Enter did not close the list"
expect_face bitmap "after picking WINXP by keyboard"
echo "ok: the keyboard picks items closed and open"

# --- the drive combo box lists this machine's places
xdotool mousemove --window "$wid" "${drive[@]}" click 1
sleep 0.5
[ -n "$(shown_popups)" ] || e2e_fail "the drive combo box did not open"
e2e_screenshot_root "$out/drives.png"
xdotool key Escape
sleep 0.4
[ -z "$(shown_popups)" ] || e2e_fail "Escape did not close the drive list"
echo "ok: the drive combo box opens and closes"

e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "ok: the gallery ends cleanly"
