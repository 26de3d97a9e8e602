#!/usr/bin/env bash
# The X connection lost (what xkill does, or a logout): the program ends with
# a status of its own, 1, not a crash, whatever it was showing.
#
#   lost_display.sh BINARY WHEN     WHEN: splash, calculator or message-box
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1
WHEN=$2

case $WHEN in
  splash)
    x11_start
    app_start "$BIN"
    wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
    VICTIM=$SPLASH
    ;;
  calculator)
    start_calculator "$BIN"
    VICTIM=$CALC
    ;;
  message-box)
    start_calculator "$BIN"
    click_control calcBtn # N is empty
    expect_message_box
    VICTIM=$BOX
    ;;
  *) fail "unknown moment: $WHEN" ;;
esac
xdotool windowkill "$VICTIM"
expect_exit 1
