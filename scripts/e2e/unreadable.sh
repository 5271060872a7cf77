#!/usr/bin/env bash
# End-to-end test of files that cannot be analysed, under Xvfb + openbox with
# the SDL backend: a file chosen in the window that has become a named pipe
# without a writer by the time "分析" is pressed gives the failure report at
# once (opening it the usual way would wait for a writer for ever), and the
# window still answers afterwards.
# The same pipe on the command line fails with exit code 2 without waiting.
# Usage: scripts/e2e/unreadable.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "${1:-}"
viewer="$build/app/qzviewer"

fifo="$E2E_TMP/waiting.exe"
mkfifo "$fifo"

# Client coordinates of the controls (the frame panel lies at 1, 0).
browse=(161 220)
analyse=(161 252)
memo_area="249x113+17+72"
kWaitLimit=5  # seconds: far more than an answer "at once" needs

code=0
timeout "$kWaitLimit" "$viewer" --report "$fifo" >"$out/report.txt" 2>&1 || code=$?
[ "$code" = 2 ] || e2e_fail "--report on a named pipe: exit code $code, expected 2 (124: it waited)"
grep -q '^文件长度：0Byte(s)' "$out/report.txt" || e2e_fail "--report on a named pipe without a writer: not read as empty"
echo "ok: --report on a named pipe without a writer ends at once"

timeout "$kWaitLimit" "$viewer" --screenshot "$out/expected.png" "$fifo"

QZ_BACKEND=sdl "$viewer" >"$out/stdout" 2>"$out/stderr" &
pid=$!
E2E_PIDS+=("$pid")
wid="$(e2e_wait_window 'QZ Trellin')" || { cat "$out/stderr" >&2; exit 1; }

click() {  # x y, in the main window's client area
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep 0.3
}

# The file chooser offers regular files only: choose one, then put the pipe
# in its place.
rm "$fifo"
cp "$here/../../resources/samples/tiny.exe" "$fifo"
click "${browse[@]}"
e2e_wait_window '^打开$' >/dev/null
sleep 0.3
xdotool type --delay 20 "$fifo"
xdotool key Return
e2e_wait_gone '^打开$'
rm "$fifo"
mkfifo "$fifo"

click "${analyse[@]}"
differing=""
for ((i = 0; i < kWaitLimit * 2; i++)); do
  differing="$(e2e_differing_pixels "$wid" "$out/expected.png" "$memo_area")"
  [ "$differing" = 0 ] && break
  sleep 0.5
done
[ "$differing" = 0 ] || { e2e_screenshot_window "$wid" "$out/seen.png"; e2e_fail "the memo does not show the failure report ($differing pixels differ)"; }
echo "ok: a named pipe analysed in the window gives the failure report"

e2e_close_expect_clean_exit "$wid" "$pid" "$out/stderr"
echo "e2e unreadable: passed"
