#!/usr/bin/env bash
# End-to-end test of the component gallery under Xvfb + openbox with the SDL
# backend: the window shows what the headless renderer draws; hovering a
# button changes its face and leaving restores it; holding the repeat button
# about a second repeats about ten times and releasing clicks once; Space
# toggles a check box; Tab and Space move the radio choice. The events are
# read from the gallery's --log, the places from --layout.
# Usage: scripts/e2e/gallery.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
gallery="$build/tools/gallery/gallery"

"$gallery" --style DeepBlue --screenshot "$out/headless.png"
"$gallery" --style DeepBlue --layout >"$out/layout"

place() {  # name -> "left top width height"
  awk -v n="$1" '$1 == n { print $2, $3, $4, $5; found = 1 } END { exit !found }' "$out/layout" ||
    e2e_fail "no control named $1 in the layout"
}
centre() {  # name -> "x y"
  local l t w h
  read -r l t w h <<<"$(place "$1")"
  echo "$((l + w / 2)) $((t + h / 2))"
}
crop_of() {  # name -> WxH+X+Y
  local l t w h
  read -r l t w h <<<"$(place "$1")"
  echo "${w}x${h}+${l}+${t}"
}
count() {  # how many log lines equal $1
  grep -cx -- "$1" "$out/stdout" || true
}

QZ_BACKEND=sdl "$gallery" --style DeepBlue --log >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window '皮肤组件样例')" || { cat "$out/stderr" >&2; exit 1; }
sleep 0.5

# Away from every control first, so that nothing is hot.
xdotool mousemove --window "$wid" 2 2
sleep 0.3
differing="$(e2e_differing_pixels "$wid" "$out/headless.png")"
echo "pixels differing from the headless rendering: $differing"
[ "$differing" = 0 ] || e2e_fail "the window's pixels differ from the headless rendering"

# Hover: the hot face differs from the normal one; leaving restores it.
read -r x y <<<"$(centre sbtnNormal)"
xdotool mousemove --window "$wid" "$x" "$y"
sleep 0.4
hot="$(e2e_differing_pixels "$wid" "$out/headless.png" "$(crop_of sbtnNormal)")"
[ "$hot" -gt 0 ] || e2e_fail "hovering sbtnNormal changed nothing"
xdotool mousemove --window "$wid" 2 2
sleep 0.4
left="$(e2e_differing_pixels "$wid" "$out/headless.png" "$(crop_of sbtnNormal)")"
[ "$left" = 0 ] || e2e_fail "sbtnNormal still looks hot after the pointer left ($left pixels)"
echo "ok: hover"

# Press and hold: a tick every 100 ms from the first interval on, one click on release.
read -r x y <<<"$(centre sbtnRepeat)"
xdotool mousemove --window "$wid" "$x" "$y" mousedown 1
sleep 1.05
xdotool mouseup 1
sleep 0.5
repeats="$(count 'repeat sbtnRepeat')"
echo "repeat ticks in about a second: $repeats"
[ "$repeats" -ge 7 ] && [ "$repeats" -le 11 ] || e2e_fail "expected about ten repeat ticks, got $repeats"
[ "$(count 'click sbtnRepeat')" = 1 ] || e2e_fail "releasing the repeat button did not click it once"
sleep 0.5
[ "$(count 'repeat sbtnRepeat')" = "$repeats" ] || e2e_fail "the repeat ticks went on after the release"
echo "ok: repeat"

# Space toggles a focused check box (a click focuses and toggles it first).
read -r x y <<<"$(centre schkOff)"
xdotool mousemove --window "$wid" "$x" "$y" click 1
sleep 0.3
xdotool key space
sleep 0.3
[ "$(count 'click schkOff checked')" = 1 ] && [ "$(count 'click schkOff unchecked')" = 1 ] ||
  e2e_fail "the check box did not toggle on the click and then on Space"
echo "ok: check box"

# The radio choice moves with the keyboard: Tab to the next radio button, Space.
read -r x y <<<"$(centre srbBlue)"
xdotool mousemove --window "$wid" "$x" "$y" click 1
sleep 0.3
xdotool key Tab space
sleep 0.3
[ "$(count 'click srbMac checked')" = 1 ] || e2e_fail "Tab and Space did not check srbMac"
echo "ok: radio"

xdotool mousemove --window "$wid" 2 2
e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "e2e gallery: passed"
