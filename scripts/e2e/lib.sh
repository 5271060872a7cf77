#!/usr/bin/env bash
# Helpers for the end-to-end tests: the real program under Xvfb with a small
# window manager, driven by xdotool and checked by screenshots.
#
# Source this file from a test script, then:
#   e2e_begin BUILD_DIR              the usual start of a test: sets root (the checkout), build
#                                    (BUILD_DIR made absolute) and out (a folder for its files),
#                                    then e2e_start
#   e2e_start                        Xvfb on a free display (1280x800x24) and openbox; exports DISPLAY
#   e2e_run CMD [ARGS...]            starts a program in the background; e2e_stop ends it
#   e2e_find_window NAME             prints the id of a shown window whose name matches the
#                                    regular expression NAME; fails when there is none
#   e2e_wait_window NAME [SECONDS]   waits for such a window and prints its id (default 15 s)
#   e2e_wait_gone NAME [SECONDS]     waits until no such window is shown (default 10 s)
#   e2e_screenshot_root FILE         the whole screen as an image (PNG by the file's extension)
#   e2e_screenshot_window WID FILE   one window
#   e2e_differing_pixels WID REF.png [CROP]
#                                    how many pixels of the window (or of its CROP, WxH+X+Y)
#                                    differ from the same area of REF.png; looks a few times,
#                                    a blink period apart, and prints the fewest (0 = a match)
#   e2e_close_expect_clean_exit WID PID STDERR_FILE
#                                    sends the window manager's close request (Alt+F4) and
#                                    expects the program to end with 0 and an empty stderr
#   e2e_stop                         ends everything started here; runs by itself on exit
#
# Everything started is ended on exit, on Ctrl-C and on TERM, whatever the test did.

E2E_SCREEN="${E2E_SCREEN:-1280x800x24}"
E2E_TIMEOUT="${E2E_TIMEOUT:-15}"   # seconds for the display and the window manager to come up
E2E_PIDS=()                        # programs started by e2e_run, oldest first
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_TMP=""

e2e_fail() {
  echo "e2e: $*" >&2
  return 1
}

e2e_require() {
  local tool
  for tool in Xvfb openbox xdotool import xprop; do
    command -v "$tool" >/dev/null 2>&1 || e2e_fail "missing tool: $tool (run scripts/setup-deps)" || return 1
  done
}

# Ends one process: TERM, up to five seconds of grace, then KILL. Every
# command may fail here without stopping the cleanup, also under set -e.
e2e_end_pid() {
  local pid="$1" i
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

e2e_stop() {
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do e2e_end_pid "${E2E_PIDS[i]}"; done
  E2E_PIDS=()
  e2e_end_pid "$E2E_WM_PID"
  E2E_WM_PID=""
  e2e_end_pid "$E2E_XVFB_PID"
  E2E_XVFB_PID=""
  if [ -n "$E2E_TMP" ]; then rm -rf "$E2E_TMP" || true; fi
  E2E_TMP=""
}

e2e_start() {
  e2e_require || return 1
  trap e2e_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  E2E_TMP="$(mktemp -d "${TMPDIR:-/tmp}/qz-e2e.XXXXXX")"

  # Xvfb picks a free display itself and writes its number to the given descriptor.
  local displayfile="$E2E_TMP/display" i
  Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp -noreset 3>"$displayfile" \
    >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
    [ -s "$displayfile" ] && break
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$displayfile" ] || { cat "$E2E_TMP/xvfb.log" >&2; e2e_fail "Xvfb did not start"; return 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
  unset WAYLAND_DISPLAY

  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  for ((i = 0; i < E2E_TIMEOUT * 10; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$E2E_WM_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_TMP/openbox.log" >&2
  e2e_fail "openbox did not start"
}

e2e_run() {
  "$@" &
  E2E_PIDS+=($!)
}

e2e_find_window() {
  local name="$1" wid
  # xdotool's own name search misses UTF-8 titles, so match here.
  for wid in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
    if [[ "$(xdotool getwindowname "$wid" 2>/dev/null || true)" =~ $name ]]; then
      echo "$wid"
      return 0
    fi
  done
  return 1
}

e2e_wait_window() {
  local name="$1" seconds="${2:-15}" i
  for ((i = 0; i < seconds * 10; i++)); do
    e2e_find_window "$name" && return 0
    sleep 0.1
  done
  e2e_fail "no window named \"$name\" within ${seconds} s"
}

e2e_wait_gone() {
  local name="$1" seconds="${2:-10}" i
  for ((i = 0; i < seconds * 10; i++)); do
    e2e_find_window "$name" >/dev/null || return 0
    sleep 0.1
  done
  e2e_fail "the window \"$name\" did not close within ${seconds} s"
}

e2e_screenshot_root() {
  import -window root "$1"
}

e2e_screenshot_window() {
  import -window "$1" "$2"
}

e2e_differing_pixels() {
  local wid="$1" ref="$2" crop="${3:-}" try count fewest=""
  local now="$E2E_TMP/differing-now.png" want="$E2E_TMP/differing-ref.png"
  if [ -n "$crop" ]; then convert "$ref" -crop "$crop" +repage "$want"; else cp "$ref" "$want"; fi
  # A text field's caret blinks, so a picture that differs may match a moment later.
  for ((try = 0; try < 5; try++)); do
    e2e_screenshot_window "$wid" "$now"
    [ -n "$crop" ] && convert "$now" -crop "$crop" +repage "$now"
    count="$(compare -metric AE "$now" "$want" null: 2>&1 || true)"
    if [ -z "$fewest" ] || [ "$count" -lt "$fewest" ] 2>/dev/null; then fewest="$count"; fi
    [ "$count" = 0 ] && break
    sleep 0.3
  done
  echo "$fewest"
}

e2e_close_expect_clean_exit() {
  local wid="$1" pid="$2" stderr="$3" i code=0
  xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4
  for ((i = 0; i < 100; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && e2e_fail "the program did not end after the close request"
  wait "$pid" || code=$?
  [ "$code" = 0 ] || { cat "$stderr" >&2; e2e_fail "exit code $code after the close request"; }
  if [ -s "$stderr" ]; then
    cat "$stderr" >&2
    e2e_fail "the program wrote to standard error"
  fi
}

e2e_begin() {
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  build="$(cd "${1:?usage: $(basename "$0") BUILD_DIR}" && pwd)"
  e2e_start
  out="$E2E_TMP/out"
  mkdir -p "$out"
}
