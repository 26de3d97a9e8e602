#!/usr/bin/env bash
# Without a display to open the program says which one in a line and ends
# with status 1 (no abort, no core).
#
#   no_display.sh BINARY
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

# run_without WHAT EXPECTED-LINE [VARIABLE=VALUE...]: no X server is started.
run_without() {
  local what=$1 line=$2 status=0
  shift 2
  env -i HOME="$WORK/home" PATH="/usr/bin:/bin" "$@" \
    ${ASAN_OPTIONS:+"ASAN_OPTIONS=$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} \
    timeout "$DEADLINE" "$BIN" >"$WORK/app.log" 2>&1 || status=$?
  expect_eq "$status" 1 "exit status ($what)"
  expect_eq "$(cat "$WORK/app.log")" "$line" "what the program said ($what)"
}

mkdir -p "$WORK/home"
# Xvfb -displayfd takes the lowest free numbers; this one stays unused.
run_without "an unreachable display" 'vorpex: cannot open display ":987"' DISPLAY=:987
run_without "no DISPLAY" "vorpex: no display to open (DISPLAY is not set)"
run_without "an empty DISPLAY" "vorpex: no display to open (DISPLAY is not set)" DISPLAY=
