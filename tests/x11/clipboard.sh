#!/usr/bin/env bash
# A clipboard held by a program that never answers (stopped before the
# calculator starts): the calculator still comes up at once, moving between
# the fields and typing shows without delay, and Edit > Paste waits no longer
# than Qt's own clipboard time-out, then pastes nothing.
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

menu_open() { (($(window_count) > 1)); }
menu_closed() { (($(window_count) == 1)); }

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
((ELAPSED <= QT_CLIPBOARD_TIMEOUT_MS + PASTE_SLACK_MS)) || fail "Edit > Paste took $ELAPSED ms"

# Nothing was pasted from the owner that never answered; copying takes the
# clipboard from it.
expect_field nFld 159
expect_field clasFld 2
