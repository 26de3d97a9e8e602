#!/usr/bin/env bash
# At twice the scale on a 1600×1200 screen every size doubles, and the help
# window still opens whole on the screen, its window-manager frame included:
# next to the calculator where that opened, or moved back from where the
# calculator, moved towards the bottom right corner, would put it.
#
#   high_dpi.sh BINARY PLACE      PLACE: as-opened or moved
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1
PLACE=$2
X11_SCREEN=1600x1200
APP_SCALE=2

calculator_moved() { window_geometry "$CALC" && ((GX >= 350 && GY >= 200)); }

start_calculator "$BIN" # a splash of 1050×600, a calculator 1200 wide
case $PLACE in
  as-opened) ;;
  moved)
    xdotool windowmove "$CALC" 400 250
    wait_until "$DEADLINE" calculator_moved || fail "the calculator was not moved"
    ;;
  *) fail "unknown place: $PLACE" ;;
esac

click_in "$CALC" 600 $((MENU + 896)) # "?", at 300,448 in the client area
wait_until "$DEADLINE" help_shown || fail "no help window appeared"
wait_active "$HELP"
expect_eq "$(window_size "$HELP")" "1100x$((1000 + MENU))" "help window size"
# The frame the window manager draws: left, right, top, bottom.
IFS=', ' read -r LEFT RIGHT TOP BOTTOM < <(xprop -id "$HELP" -notype _NET_FRAME_EXTENTS |
  sed 's/.*= *//')
help_on_screen() {
  window_geometry "$HELP" &&
    ((GX - LEFT >= 0 && GY - TOP >= 0 && GX + GW + RIGHT <= 1600 && GY + GH + BOTTOM <= 1200))
}
wait_until "$DEADLINE" help_on_screen ||
  fail "the help window leaves the screen: ${GW}x${GH} at $GX,$GY, frame $LEFT,$RIGHT,$TOP,$BOTTOM"
