#!/usr/bin/env bash
# End-to-end test of the masked edit on a real desktop (Xvfb + openbox, the
# SDL backend), on tests/e2e/maskedit_probe: typed digits fill the mask's
# positions and skip its literals, letters are refused, Backspace leaves a
# blank, and leaving the field with a required position blank shows the
# error and keeps the focus there until the entry is complete.
# Usage: scripts/e2e/maskedit.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
probe="$build/tests/e2e/maskedit_probe"

QZ_BACKEND=sdl "$probe" >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window '^掩码编辑$')" || { cat "$out/stderr" >&2; exit 1; }
xdotool windowactivate --sync "$wid" 2>/dev/null || true
sleep 0.5

last() { tail -n 1 "$out/stdout"; }
expect_last() {  # the masked edit's last report
  sleep 0.4
  [ "$(last)" = "$1" ] || e2e_fail "expected \"$1\", the edit reported \"$(last)\""
}

# A click at the field's left end puts the caret before the first position.
xdotool mousemove --window "$wid" 12 22 click 1
sleep 0.3
xdotool type --delay 60 "555x1234567"
expect_last "edit=(555) 123-4567 text=(555) 123-4567"
echo "ok: digits fill the positions, skip the literals and the letter is refused"

xdotool key BackSpace
expect_last "edit=(555) 123-456_ text=(555) 123-456"
echo "ok: Backspace leaves a blank"

# Leaving with a required position blank: the error shows and the focus stays.
windows_before="$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)"
xdotool key Tab
sleep 1
windows_after="$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)"
[ "$windows_after" -gt "$windows_before" ] || e2e_fail "no error window after leaving an incomplete field"
grep -q '^left$' "$out/stdout" && e2e_fail "the field was left although a position is blank"
e2e_screenshot_root "$out/error.png"
xdotool key Return
sleep 0.6
xdotool type --delay 60 "8"
expect_last "edit=(555) 123-4568 text=(555) 123-4568"
echo "ok: the error shows, the focus stays and the missing digit goes in"

xdotool key Tab
sleep 0.5
grep -q '^left$' "$out/stdout" || e2e_fail "a complete field could not be left"
echo "ok: a complete field is left freely"

e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "ok: the probe ends cleanly"
