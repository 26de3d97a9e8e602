#!/usr/bin/env bash
# The Calculate button comes back up after its message box. The box's modal
# loop takes the button's mouse release; a button left pressed stays drawn
# down. The clicks after it land where they are aimed.
#
#   button_after_message.sh BINARY DISMISS     DISMISS: mouse (OK) or return
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1
DISMISS=$2

# How the button looks up, once the window's drawing has settled.
look_settled() {
  UP_LOOK=$(control_look calcBtn)
  [ -n "$UP_LOOK" ] && look_is calcBtn "$UP_LOOK"
}

start_calculator "$BIN"
pointer_away
wait_until "$DEADLINE" look_settled || fail "could not capture the Calculate button"

click_control calcBtn # N is empty
expect_message_box
dismiss_message_box "$DISMISS"

# A click into another field, then typing: the text lands in that field and
# no message box comes.
click_control bicFld
type_text 31892
expect_field bicFld 31892
no_message_box || fail "the click into BIC brought a message box"

pointer_away
wait_until "$DEADLINE" look_is calcBtn "$UP_LOOK" || fail "the Calculate button stays drawn down"

# The next click on Calculate is an ordinary press again: with N given, the
# classes are reported, and the focus goes to them.
click_control nFld
type_text 1377
click_control calcBtn
expect_message_box
dismiss_message_box "$DISMISS"
type_text 3
expect_field clasFld 3
expect_field nFld 1377
pointer_away
wait_until "$DEADLINE" look_is calcBtn "$UP_LOOK" || fail "the Calculate button stays drawn down"
