#!/usr/bin/env bash
# A clipboard held by a program that never answers (stopped before the
# calculator starts): the calculator still comes up at once, moving between
# the fields and typing shows without delay, and Edit > Paste, Ctrl+V and the
# context menu of a field and Ctrl+V in the help text each wait no longer than
# Qt's own clipboard time-out, then paste nothing.
#
#   clipboard.sh BINARY
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

# Qt gives up on a clipboard owner that does not answer after 5 s.
QT_CLIPBOARD_TIMEOUT_MS=5000
# From a click into a field and a digit typed to the field drawn anew.
FIELD_VISIT_MS=800
# Above Qt's time-out: opening the menu, choosing, typing, drawing.
PASTE_SLACK_MS=2000
PASTE_LIMIT_MS=$((QT_CLIPBOARD_TIMEOUT_MS + PASTE_SLACK_MS))

OWNER_PID=""
trap '[ -n "$OWNER_PID" ] && kill -KILL "$OWNER_PID" 2>/dev/null; cleanup' EXIT

# Another program takes the clipboard, answers once, then stops.
stopped_owner() {
  printf x | xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
  OWNER_PID=$!
  wait_until "$DEADLINE" clipboard_is x || fail "the other program did not take the clipboard"
  kill -STOP "$OWNER_PID"
}

looks_changed() { [ "$(control_look "$1")" != "$2" ]; }

# visit NAME DIGIT: clicks into a field and types a digit; sets ELAPSED, the
# milliseconds until the field shows it.
visit() {
  local before start
  before=$(control_look "$1")
  start=$(now_ms)
  click_control "$1"
  type_text "$2"
  wait_until "$DEADLINE" looks_changed "$1" "$before" || fail "typing into $1 did not show"
  ELAPSED=$(($(now_ms) - start))
}

WINDOWS=1 # the program's visible windows without a menu
menu_open() { (($(window_count) > WINDOWS)); }
menu_closed() { (($(window_count) == WINDOWS)); }

# timed WHAT COMMAND...: fails when COMMAND takes longer than Qt's time-out
# allows, or ends the program.
timed() {
  local what=$1 start
  shift
  start=$(now_ms)
  "$@"
  ELAPSED=$(($(now_ms) - start))
  app_running || fail "the program ended at $what"
  echo "$what: $ELAPSED ms"
  ((ELAPSED <= PASTE_LIMIT_MS)) || fail "$what took $ELAPSED ms"
}

# Ctrl+V in a field, then a digit typed after it.
paste_key_in_n() {
  local before
  before=$(control_look nFld)
  press ctrl+v
  type_text 7
  wait_until "$DEADLINE" looks_changed nFld "$before" || fail "typing after Ctrl+V did not show"
}

context_menu_in_n() {
  local left top width height
  read -r left top width height <<<"${CONTROL[nFld]}"
  xdotool mousemove --window "$CALC" $((left + 10)) $((MENU + top + 10)) click 3
  wait_until "$DEADLINE" menu_open || fail "no context menu in N"
  press Escape
  wait_until "$DEADLINE" menu_closed || fail "the context menu stayed"
}

help_look() { timeout 5 import -window "$HELP" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
help_changed() { [ "$(help_look)" != "$1" ]; }

# Ctrl+V in the help text, then a letter typed after it.
paste_key_in_help() {
  local before
  before=$(help_look)
  press ctrl+v
  type_text Z
  wait_until "$DEADLINE" help_changed "$before" || fail "typing after Ctrl+V did not show"
}

x11_start
stopped_owner
start=$(now_ms)
app_start "$BIN"
wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
click_in "$SPLASH" 262 150
wait_until "$DEADLINE" calculator_shown || fail "the calculator did not appear"
wait_active "$CALC"
echo "calculator after $(($(now_ms) - start)) ms"
pointer_away

digit=1
for field in nFld clasFld bicFld entropyFld nFld; do
  visit "$field" "$digit"
  ((ELAPSED <= FIELD_VISIT_MS)) || fail "moving to $field and typing took $ELAPSED ms"
  echo "moving to $field and typing: $ELAPSED ms"
  digit=$((digit + 1))
done

# Edit > Paste in N (its mnemonic), then a digit typed after it.
before=$(control_look nFld)
start=$(now_ms)
press alt+e
wait_until "$DEADLINE" menu_open || fail "the Edit menu did not open"
echo "Edit menu open after $(($(now_ms) - start)) ms"
press p
holds_for 200 menu_open && press Escape # a disabled Paste leaves it open
wait_until "$DEADLINE" menu_closed || fail "the Edit menu did not close"
click_control nFld
to_end
type_text 9
wait_until "$DEADLINE" looks_changed nFld "$before" || fail "typing after Edit > Paste did not show"
ELAPSED=$(($(now_ms) - start))
echo "Edit > Paste and typing: $ELAPSED ms"
((ELAPSED <= PASTE_LIMIT_MS)) || fail "Edit > Paste took $ELAPSED ms"

timed "Ctrl+V in N and typing" paste_key_in_n
timed "the context menu of N" context_menu_in_n

click_control helpBtn
wait_until "$DEADLINE" help_shown || fail "no help window appeared"
wait_active "$HELP"
WINDOWS=2
click_in "$HELP" 300 $((MENU + 200))
timed "Ctrl+V in the help text and typing" paste_key_in_help
press alt+F4
wait_until "$DEADLINE" help_hidden || fail "the help window stayed"
wait_active "$CALC"

# Nothing was pasted from the owner that never answered; copying takes the
# clipboard from it.
expect_field nFld 1597
expect_field clasFld 2
