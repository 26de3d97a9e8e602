#!/usr/bin/env bash
# Calculating in the real window, with typed input.
#
#   calculate.sh BINARY worked-examples   the help text's examples, one after another
#   calculate.sh BINARY missing-inputs    the empty fields reported in order
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

# N, classes, BIC, entropy and the result shown, for N = 1377.
WORKED_EXAMPLES=(
  "1377 1 32374 1.00 32374.0"
  "1377 2 32062 .747 32545.0"
  "1377 3 31892 .774 32575.8"
  "1377 4 31832 .794 32618.5"
)

# Each input field in the order Calculate checks them, and the digit then
# typed into it.
MISSING_INPUTS=(
  "nFld 8"
  "clasFld 2"
  "bicFld 5"
  "entropyFld 1"
)

# Clear puts the focus in N: each example is typed from there.
worked_examples() {
  local row n k bic entropy expected
  for row in "${WORKED_EXAMPLES[@]}"; do
    read -r n k bic entropy expected <<<"$row"
    enter_inputs "$n" "$k" "$bic" "$entropy"
    click_control calcBtn
    expect_field VorpexFld "$expected"
    no_message_box || fail "a message box came with all four inputs ($row)"
    click_control clearBtn
  done
}

# Each Calculate with an empty field shows one message box, and once it is
# dismissed the focus is in that field: the digit typed then lands there.
missing_inputs() {
  local row field digit
  for row in "${MISSING_INPUTS[@]}"; do
    read -r field digit <<<"$row"
    click_control calcBtn
    expect_message_box
    dismiss_message_box return
    type_text "$digit"
    expect_field "$field" "$digit"
  done
  # All four given: 5 + 2 × (1 − 1) × 8 × ln 2, and no message box.
  click_control calcBtn
  expect_field VorpexFld 5.0
  no_message_box || fail "a message box came with all four inputs"
}

start_calculator "$BIN"
case $2 in
  worked-examples) worked_examples ;;
  missing-inputs) missing_inputs ;;
  *) fail "unknown case: $2" ;;
esac
