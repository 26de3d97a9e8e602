#!/usr/bin/env bash
# Quitting: closing the calculator through the window manager, or Ctrl+Q,
# ends the program with status 0, whichever other window is open or in front
# (Ctrl+Q also with the splash in front, before the calculator exists).
#
#   quit.sh BINARY WAY [OPEN]    WAY: wm-close or ctrl-q; OPEN: help, about or splash
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1
WAY=$2
OPEN=${3:-}

more_windows_than() { (($(window_count) > $1)); }

# File > About (the second item of the File menu) shows the About window.
open_about() {
  press alt+f
  wait_until "$DEADLINE" more_windows_than 1 || fail "the File menu did not open"
  press Down Return
  wait_until "$DEADLINE" splash_shown || fail "no About window appeared"
  wait_active "$SPLASH"
}

case $OPEN in
  splash)
    x11_start
    app_start "$BIN"
    wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
    wait_active "$SPLASH"
    ;;
  about)
    # The About window is the splash: opened after its timer has handed
    # over, nothing takes it away by itself.
    start_calculator "$BIN" timer
    open_about
    ;;
  help)
    if [ "$WAY" = ctrl-q ]; then
      start_calculator "$BIN" timer # Ctrl+Q must go to the help window
    else
      start_calculator "$BIN"
    fi
    click_control helpBtn
    wait_until "$DEADLINE" help_shown || fail "no help window appeared"
    wait_active "$HELP"
    ;;
  "") start_calculator "$BIN" ;;
  *) fail "unknown window to open: $OPEN" ;;
esac

case $OPEN in
  about | splash) splash_window >/dev/null || fail "the About window went before the quit" ;;
  help) help_shown || fail "the help window went before the quit" ;;
esac
case $WAY in
  wm-close)
    xdotool windowactivate "$CALC"
    wait_active "$CALC"
    press alt+F4
    ;;
  ctrl-q) press ctrl+q ;; # in the front window
  *) fail "unknown way to quit: $WAY" ;;
esac
expect_exit 0
