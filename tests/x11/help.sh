#!/usr/bin/env bash
# Help: "?" opens the "Info" window, 550×500 under a menu bar like the
# calculator's, 40 pixels right of and below the calculator; Undo in its fresh
# text changes nothing; it can be resized; closing it leaves the program and
# the calculator running, and "?" brings it back at the size it was given.
#
#   help.sh BINARY
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

size_is() { [ "$(window_size "$HELP")" = "$1" ]; }
# A checksum of the bold title line "Vorpex" as drawn.
title_look() {
  import -window "$HELP" -crop "92x18+8+$((MENU + 3))" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
title_look_is() { [ "$(title_look)" = "$1" ]; }

start_calculator "$BIN" timer # nothing may bring the calculator in front later
window_geometry "$CALC"
CALC_X=$GX
CALC_Y=$GY

click_control helpBtn
wait_until "$DEADLINE" help_shown || fail "no help window appeared"
window_geometry "$HELP"
expect_eq "${GW}x${GH}" "550x$((500 + MENU))" "help window size"
expect_eq "$((GX - CALC_X)),$((GY - CALC_Y))" "40,40" "help window place, from the calculator's"
wait_active "$HELP"

click_in "$HELP" 300 $((MENU + 200)) # into the text, away from the title
TITLE=$(title_look)
press ctrl+z
holds_for 700 title_look_is "$TITLE" || fail "Undo in the fresh help text changed its title line"

xdotool windowsize "$HELP" 620 400
wait_until "$DEADLINE" size_is 620x400 || fail "the help window was not resized: $(window_size "$HELP")"

press alt+F4
wait_until "$DEADLINE" help_hidden || fail "the window manager could not close the help window"
app_running || fail "closing the help window ended the program"
calculator_shown || fail "the calculator went with the help window"

wait_active "$CALC"
click_control helpBtn
wait_until "$DEADLINE" help_shown || fail "\"?\" did not bring the help window back"
expect_eq "$(window_size "$HELP")" 620x400 "help window size when shown again"
