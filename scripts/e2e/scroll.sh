#!/usr/bin/env bash
# End-to-end test of the skinned scroll bars and edits in the gallery (Xvfb +
# openbox, the SDL backend): dragging the slider of the vertical bar coupled
# to a long memo scrolls the memo, the wheel over the memo moves the slider,
# and typing into the masked edit fills its mask and skips what it refuses.
# Usage: scripts/e2e/scroll.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
gallery="$build/tools/gallery/gallery"

# Client coordinates on the edits page in DeepBlue (16-pixel arrows).
memo_text="200x100+182+62"     # the memo's text, left of its vertical bar
vbar_track="16x90+390+75"      # the coupled vertical bar between its arrows
slider=(398 80)                # on the slider while the memo shows its first line
mask="150x15+5+119"            # inside the masked edit's frame
mask_click=(80 124)

QZ_BACKEND=sdl "$gallery" --style DeepBlue --page edits >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window '皮肤组件样例')" || { cat "$out/stderr" >&2; exit 1; }
sleep 0.5

shot() { e2e_screenshot_window "$wid" "$out/$1.png"; }
# How many pixels of the area differ between the window now and an earlier shot.
changed() { e2e_differing_pixels "$wid" "$out/$1.png" "$2"; }

# --- dragging the slider scrolls the memo
shot start
xdotool mousemove --window "$wid" "${slider[@]}" mousedown 1
for dy in 10 20 30 40; do
  xdotool mousemove --window "$wid" "${slider[0]}" "$((slider[1] + dy))"
  sleep 0.1
done
xdotool mouseup 1
sleep 0.3
[ "$(changed start "$memo_text")" -gt 0 ] || e2e_fail "dragging the slider did not scroll the memo"
[ "$(changed start "$vbar_track")" -gt 0 ] || e2e_fail "the slider did not move"
echo "ok: dragging the skinned slider scrolls the memo"

# --- the wheel over the memo moves the slider (and the text)
shot dragged
xdotool mousemove --window "$wid" 250 100 click 5 click 5 click 5
sleep 0.3
[ "$(changed dragged "$memo_text")" -gt 0 ] || e2e_fail "the wheel did not scroll the memo"
[ "$(changed dragged "$vbar_track")" -gt 0 ] || e2e_fail "the wheel did not move the slider"
echo "ok: the wheel over the memo moves the skinned slider"

# --- typing into the masked edit: letters are refused, digits fill the mask
xdotool mousemove --window "$wid" "${mask_click[@]}" click 1
sleep 0.2
xdotool key Home
shot masked
xdotool type --delay 30 "abc"
sleep 0.2
[ "$(changed masked "$mask")" -eq 0 ] || e2e_fail "the mask took letters"
xdotool type --delay 30 "1234567"
sleep 0.3
[ "$(changed masked "$mask")" -gt 0 ] || e2e_fail "typing digits changed nothing"
echo "ok: the masked edit takes digits and refuses letters"

e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "ok: scroll"
