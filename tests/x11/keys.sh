#!/usr/bin/env bash
# The keyboard in the calculator.
#
#   keys.sh BINARY tab-order           Tab and Shift+Tab visit N, classes, BIC, entropy
#   keys.sh BINARY filters             what each field lets through
#   keys.sh BINARY after-calculation   typing takes the result away
#   keys.sh BINARY chords              Alt and Super type like the key alone
#   keys.sh BINARY ctrl-deletions      Ctrl deletions act as Backspace and Delete
#   keys.sh BINARY german-keypad       the keypad's decimal key gives the point
#   keys.sh BINARY paste               pasted text keeps its first line or cell
#   keys.sh BINARY edit-routes         edits other than typing take the result away
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

# A field, what is typed into it (empty before) and what it then holds.
FILTERED_TYPING=(
  "nFld 1.5 15"
  "nFld 12a-3 123"
  "nFld 1234567 123456"
  "clasFld 2.5 25"
  "clasFld 1e3 13"
  "bicFld 31892.5 31892.5"
  "bicFld -1,5 15"
  "bicFld 1234567890 123456789"
  "entropyFld .774 .774"
  "entropyFld 0,5 05"
)

# After a calculation (with its result), a 9 typed at the end of a field: the
# result goes, and the fields listed are emptied too (a new class count asks
# for a new BIC and entropy). The fields start as N 1377, classes 2, BIC 32062,
# entropy .747, and each row keeps the 9s typed before it. The classes come
# last: the others need BIC and entropy kept.
TYPING_AFTER_CALCULATION=(
  "nFld 32545.0"
  "bicFld 36894.7"
  "entropyFld 325461.7"
  "clasFld 325444.6 bicFld entropyFld"
)

# Tab from N goes to the classes, BIC, entropy and back to N; Shift+Tab back.
# Tabbing into a field selects its text: a digit typed then replaces it.
tab_order() {
  type_text 1 # the focus starts in N
  press Tab
  type_text 2
  press Tab
  type_text 3
  press Tab
  type_text 4
  press Tab
  type_text 5
  press shift+Tab
  type_text 6
  expect_field nFld 5
  expect_field clasFld 2
  expect_field bicFld 3
  expect_field entropyFld 6
}

filters() {
  local row field typed expected
  for row in "${FILTERED_TYPING[@]}"; do
    read -r field typed expected <<<"$row"
    click_control "$field"
    press ctrl+a BackSpace
    type_text "$typed"
    expect_field "$field" "$expected"
  done
}

after_calculation() {
  enter_inputs 1377 2 32062 .747
  declare -A text=([nFld]=1377 [clasFld]=2 [bicFld]=32062 [entropyFld]=.747)
  local row field result emptied other copied
  for row in "${TYPING_AFTER_CALCULATION[@]}"; do
    read -r field result emptied <<<"$row"
    click_control calcBtn
    expect_field VorpexFld "$result"
    click_control "$field"
    to_end
    type_text 9
    text[$field]+=9
    # The result field is gone: a click at its place leaves the focus where
    # it was, so the copy comes from the field just typed into.
    click_control VorpexFld
    copy_focused copied "after a click at the result's place"
    expect_eq "$copied" "${text[$field]}" "copied after typing into $field and clicking the result's place"
    for other in nFld clasFld bicFld entropyFld; do
      [ "$other" = "$field" ] && continue
      if [[ " $emptied " == *" $other "* ]]; then
        expect_empty "$other"
      else
        expect_field "$other" "${text[$other]}"
      fi
    done
  done
}

# A Ctrl deletion in a field after the first worked example, with the caret
# at the start or end of the field, and the field's text after it (none:
# empty). Each takes the result away as Backspace or Delete would, and in the
# classes field empties BIC and entropy too.
CTRL_DELETIONS=(
  "nFld end ctrl+BackSpace"
  "clasFld end ctrl+u"
  "bicFld start ctrl+k"
  "entropyFld start ctrl+Delete .00"
)

declare -A EXAMPLE=([nFld]=1377 [clasFld]=1 [bicFld]=32374 [entropyFld]=1.00)

# Types the first worked example from the focus in N and calculates.
first_example() {
  enter_inputs "${EXAMPLE[nFld]}" "${EXAMPLE[clasFld]}" "${EXAMPLE[bicFld]}" "${EXAMPLE[entropyFld]}"
  click_control calcBtn
  expect_field VorpexFld 32374.0
}

# click_edge NAME start|end: a click that puts the caret at the start or end
# of a field's text (the arrow keys would take the result away).
click_edge() {
  local left top width height x
  read -r left top width height <<<"${CONTROL[$1]}"
  x=$((left + 2))
  [ "$2" = end ] && x=$((left + width - 3))
  click_in "$CALC" "$x" $((MENU + top + height / 2))
}

chords() {
  first_example
  local field other
  for field in nFld clasFld bicFld entropyFld; do
    click_control "$field"
    press alt+minus alt+a super+e
  done
  for other in nFld clasFld bicFld entropyFld; do
    expect_field "$other" "${EXAMPLE[$other]}"
  done
  expect_field VorpexFld 32374.0
}

ctrl_deletions() {
  local hidden row field caret chord after
  pointer_away
  hidden=$(control_look VorpexFld)
  for row in "${CTRL_DELETIONS[@]}"; do
    read -r field caret chord after <<<"$row"
    click_control clearBtn
    first_example
    click_edge "$field" "$caret"
    press "$chord"
    pointer_away
    wait_until "$DEADLINE" look_is VorpexFld "$hidden" || fail "$chord in $field left the result shown"
    if [ -n "$after" ]; then expect_field "$field" "$after"; else expect_empty "$field"; fi
    if [ "$field" = clasFld ]; then
      expect_empty bicFld
      expect_empty entropyFld
    fi
  done
}

german_keypad() {
  command -v setxkbmap >/dev/null || fail "setxkbmap is missing"
  setxkbmap -layout de || fail "no German layout"
  click_control entropyFld
  # KP_Separator is the keypad's decimal key on this layout; comma the main keyboard's.
  press KP_0 KP_Separator KP_7 comma
  expect_field entropyFld 0.7
}

# A copied row of cells gives its first cell, a copied column its first line.
paste() {
  click_control nFld
  printf '1377\t2\t32062\t.747' | xclip -i -selection clipboard
  wait_until "$DEADLINE" clipboard_is $'1377\t2\t32062\t.747' || fail "could not set the clipboard"
  press ctrl+v
  expect_field nFld 1377
  click_control bicFld
  printf '32062\n31892' | xclip -i -selection clipboard
  wait_until "$DEADLINE" clipboard_is $'32062\n31892' || fail "could not set the clipboard"
  press ctrl+v
  expect_field bicFld 32062
  # The selection, pasted with the middle button at the end of N.
  printf '4\t5\n6' | xclip -i -selection primary
  click_edge nFld end
  xdotool click 2
  expect_field nFld 13774
}

# An edit by a route other than typing, after the first worked example: the
# route, the field, what the field then holds ("-": empty), whether the result
# stays, and the other fields it empties. A route that leaves the text as it
# was changes nothing. The Edit menu is opened from the keyboard after Ctrl+A.
EDIT_ROUTES=(
  "middle-button nFld 13774 gone"
  "middle-button entropyFld 1.004 gone"
  "middle-button-picture clasFld 1 stays"
  "edit-menu-copy bicFld 32374 stays"
  "edit-menu-cut bicFld - gone"
  "edit-menu-delete clasFld - gone bicFld entropyFld"
  "edit-menu-paste entropyFld 5 gone"
  "alt-arrows-cut nFld - gone"
  "drop-help-title nFld 1377Vo gone"
)

# Ctrl+A in a field, then an Edit menu item by its mnemonic; the menu opened
# with Alt+E or with Alt alone and the arrow keys.
from_edit_menu() {
  local field=$1 opening=$2 letter=$3
  click_control "$field"
  press ctrl+a
  case $opening in
    mnemonic) press alt+e ;;
    arrows) press alt Right Down ;;
  esac
  wait_until "$DEADLINE" menu_open || fail "the Edit menu did not open ($opening)"
  press "$letter"
  wait_until "$DEADLINE" menu_closed || fail "the Edit menu stayed open after $letter"
}

WINDOWS=1 # the program's visible windows without a menu
menu_open() { (($(window_count) > WINDOWS)); }
menu_closed() { (($(window_count) == WINDOWS)); }

# The first line of the help text, copied from it.
help_first_line() {
  clipboard_mark
  xdotool mousemove --window "$HELP" 300 $((MENU + 200)) click 1 key ctrl+Home shift+End ctrl+c
  wait_until "$DEADLINE" clipboard_is_not "$CLIP_MARK" || fail "nothing was copied from the help text"
  clipboard_text
}
# placed_at WINDOW X,Y: the window's client area is at X,Y. Openbox puts a
# moved window's client area where it was asked, its title bar above the
# screen's top edge.
placed_at() { window_geometry "$1" && [ "$GX,$GY" = "$2" ]; }

# The help window beside the calculator; its title "Vorpex" selected by a
# double-click and dragged onto the end of a field. The help text keeps it.
drop_help_title() {
  local left top width height
  click_control helpBtn
  wait_until "$DEADLINE" help_shown || fail "no help window appeared"
  xdotool windowmove "$CALC" 0 0 windowmove "$HELP" 660 0
  wait_until "$DEADLINE" placed_at "$HELP" 660,0 || fail "the help window is at $GX,$GY, not 660,0"
  xdotool mousemove --window "$HELP" 30 $((MENU + 12)) click --repeat 2 --delay 80 1
  read -r left top width height <<<"${CONTROL[$1]}"
  # Pressed again away from the double-click's place (a third click there would
  # select the whole line), on the selected word.
  xdotool mousemove --window "$HELP" 12 $((MENU + 12)) mousedown 1 \
    mousemove --window "$HELP" 40 $((MENU + 14)) sleep 0.1 \
    mousemove --window "$HELP" 60 $((MENU + 30)) sleep 0.1 \
    mousemove --window "$CALC" $((left + width - 4)) $((MENU + top + 8)) sleep 0.1 \
    mousemove --window "$CALC" $((left + width - 3)) $((MENU + top + height / 2)) sleep 0.2 \
    mouseup 1
  WINDOWS=2
  expect_eq "$(help_first_line)" Vorpex "the help text's title after it was dropped on $1"
}

PICTURE=$(cd "$(dirname "$0")/../../resources" && pwd)/bic.png
primary_offers_only() {
  [ "$(xclip -o -selection primary -t TARGETS 2>/dev/null | grep -v '^TARGETS$')" = "$1" ]
}

edit_routes() {
  local hidden row route field after result emptied other left top width height
  pointer_away
  hidden=$(control_look VorpexFld)
  for row in "${EDIT_ROUTES[@]}"; do
    read -r route field after result emptied <<<"$row"
    click_control clearBtn
    first_example
    case $route in
      middle-button)
        printf 4 | xclip -i -selection primary
        click_edge "$field" end
        xdotool click 2
        ;;
      middle-button-picture)
        # The whole field selected, then another program's selection holds a
        # picture only: the middle button brings no text, and the field keeps
        # its selection for Ctrl+C.
        click_control "$field"
        press ctrl+a
        xclip -i -selection primary -t image/png "$PICTURE"
        wait_until "$DEADLINE" primary_offers_only image/png || fail "could not set the selection"
        read -r left top width height <<<"${CONTROL[$field]}"
        xdotool mousemove --window "$CALC" $((left + width - 3)) $((MENU + top + height / 2)) click 2
        clipboard_mark
        press ctrl+c
        wait_until "$DEADLINE" clipboard_is "$after" ||
          fail "the middle button with a picture lost the selection in $field"
        ;;
      edit-menu-copy)
        clipboard_mark
        from_edit_menu "$field" mnemonic c
        wait_until "$DEADLINE" clipboard_is 32374 || fail "the Edit menu copied '$(clipboard_text)'"
        ;;
      edit-menu-cut) from_edit_menu "$field" mnemonic t ;;
      edit-menu-delete) from_edit_menu "$field" mnemonic d ;;
      edit-menu-paste)
        printf 5 | xclip -i -selection clipboard
        wait_until "$DEADLINE" clipboard_is 5 || fail "could not set the clipboard"
        from_edit_menu "$field" mnemonic p
        ;;
      alt-arrows-cut) from_edit_menu "$field" arrows t ;;
      drop-help-title) drop_help_title "$field" ;;
      *) fail "unknown route: $route" ;;
    esac
    pointer_away
    if [ "$result" = gone ]; then
      wait_until "$DEADLINE" look_is VorpexFld "$hidden" || fail "$route in $field left the result shown"
    else
      expect_field VorpexFld 32374.0
    fi
    # The emptied fields before the field itself: a digit typed into the
    # classes field to see that it is empty would empty BIC and entropy.
    for other in $emptied; do expect_empty "$other"; done
    if [ "$after" = - ]; then expect_empty "$field"; else expect_field "$field" "$after"; fi
  done
}

start_calculator "$BIN"
case $2 in
  tab-order) tab_order ;;
  filters) filters ;;
  after-calculation) after_calculation ;;
  chords) chords ;;
  ctrl-deletions) ctrl_deletions ;;
  german-keypad) german_keypad ;;
  paste) paste ;;
  edit-routes) edit_routes ;;
  *) fail "unknown case: $2" ;;
esac
