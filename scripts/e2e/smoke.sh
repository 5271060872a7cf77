#!/usr/bin/env bash
# End-to-end smoke test: the real program on an X display (Xvfb) with a
# window manager (openbox) and the SDL backend. It waits for the main window,
# checks its size and that it shows what the headless renderer draws, closes
# it through the window manager's close request (Alt+F4) and checks the exit code.
# Usage: scripts/e2e/smoke.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
viewer="$build/app/qzviewer"

QZ_BACKEND=sdl "$viewer" >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")

wid="$(e2e_wait_window 'QZ Trellin')" || { cat "$out/stderr" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "main window $wid: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" = 280 ] && [ "$HEIGHT" = 310 ] || e2e_fail "main window is ${WIDTH}x${HEIGHT}, expected 280x310"

# What the desktop shows must be what the headless renderer draws.
"$viewer" --screenshot "$out/headless.png"
sleep 0.5
differing="$(e2e_differing_pixels "$wid" "$out/headless.png")"
echo "pixels differing from the headless rendering: $differing"
[ "$differing" = 0 ] || e2e_fail "the window's pixels differ from the headless rendering"

# The window manager's close request ends the program with 0, silently.
e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "e2e smoke: passed"
