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
root="$(cd "$here/../.." && pwd)"
build="$(cd "${1:?usage: analyse.sh BUILD_DIR}" && pwd)"
viewer="$build/app/qzviewer"
sample="$root/resources/samples/bound.exe"
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_start
out="$E2E_TMP/out"
mkdir -p "$out"

# Client coordinates of the controls (the frame panel lies at 1, 0).
browse=(161 220)
analyse=(161 252)
clear=(161 284)
path_field=(100 56)
memo_and_path="250x138+16+48"   # the path field and the memo, one crop

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

wait_gone() {  # window name
  local i
  for ((i = 0; i < 100; i++)); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  e2e_fail "the window \"$1\" did not close"
}

# The path field and the memo must look as in the given headless picture.
expect_contents() {  # reference.png label
  sleep 0.4
  e2e_screenshot_window "$wid" "$out/now.png"
  convert "$out/now.png" -crop "$memo_and_path" +repage "$out/now-crop.png"
  convert "$1" -crop "$memo_and_path" +repage "$out/ref-crop.png"
  local differing
  differing="$(compare -metric AE "$out/now-crop.png" "$out/ref-crop.png" null: 2>&1 || true)"
  if [ "$differing" != 0 ]; then
    cp "$out/now.png" "${TMPDIR:-/tmp}/qz-e2e-$2.png" 2>/dev/null || true
    e2e_fail "$2: path field and memo differ from the expected picture ($differing pixels)"
  fi
  echo "ok: $2"
}

choose_sample() {
  click "${browse[@]}"
  e2e_wait_window '^打开$' >/dev/null
  sleep 0.3
  xdotool type --delay 20 "$sample"
  xdotool key Return
  wait_gone '^打开$'
}

# "分析" with no file: the error box, OK closes it, the memo stays empty.
click "${analyse[@]}"
e2e_wait_window '^错误$' >/dev/null
xdotool key Return
wait_gone '^错误$'
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

# The window manager's close request ends the program with 0.
xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4
for ((i = 0; i < 100; i++)); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && e2e_fail "the program did not end after the close request"
code=0
wait "$pid" || code=$?
[ "$code" = 0 ] || { cat "$out/stderr" >&2; e2e_fail "exit code $code after the close request"; }
echo "e2e analyse: passed"
