#!/usr/bin/env bash
# The keyboard in the calculator.
#
#   keys.sh BINARY tab-order           Tab and Shift+Tab visit N, classes, BIC, entropy
#   keys.sh BINARY filters             what each field lets through
#   keys.sh BINARY after-calculation   typing takes the result away
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
  local inputs=(nFld 1377 clasFld 2 bicFld 32062 entropyFld .747) i
  for ((i = 0; i < ${#inputs[@]}; i += 2)); do
    click_control "${inputs[i]}"
    type_text "${inputs[i + 1]}"
  done
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

start_calculator "$BIN"
case $2 in
  tab-order) tab_order ;;
  filters) filters ;;
  after-calculation) after_calculation ;;
  *) fail "unknown case: $2" ;;
esac
