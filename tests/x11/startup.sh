#!/usr/bin/env bash
# Start-up: the splash comes first, alone, untitled and centred; it hands over
# to the calculator after about 4 s, or at once at a click or a key press in
# it; a splash closed through the window manager still hands over when the
# time is up. However it opens, the calculator is centred, has a fixed 600×500
# client area under its menu bar, and the focus is in N.
#
#   startup.sh BINARY HAND-OVER     HAND-OVER: timer, click, key or wm-close
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1
HAND_OVER=$2

# Qt's default timers keep within 5% of their interval: "about 4 s" is at
# least 3.5 s after the process started.
EARLIEST_TIMER_MS=3500

# expect_centred WINDOW WHAT: the window's own area (menu bar and client
# area) has its middle within 2 pixels of the screen's.
expect_centred() {
  local screen_w screen_h
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  window_geometry "$1"
  local dx=$((2 * GX + GW - screen_w)) dy=$((2 * GY + GH - screen_h)) # twice the offsets
  ((dx >= -4 && dx <= 4 && dy >= -4 && dy <= 4)) ||
    fail "$2 is not centred: ${GW}x${GH} at $GX,$GY on ${screen_w}x${screen_h}"
}

x11_start
app_start "$BIN"
wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
expect_eq "$(window_count)" 1 "windows shown with the splash"
# Nothing in its title bar: neither name the window manager may show is set.
for name in _NET_WM_NAME WM_NAME; do
  [[ $(xprop -id "$SPLASH" -notype "$name") =~ ^$name\ =\ *$ ]] ||
    fail "the splash has a title: $(xprop -id "$SPLASH" -notype "$name")"
done
expect_centred "$SPLASH" "the splash"

case $HAND_OVER in
  timer) ;;
  click)
    ACTED=$(now_ms)
    click_in "$SPLASH" 100 100
    ;;
  key)
    wait_active "$SPLASH"
    ACTED=$(now_ms)
    press 5 # must not reach the calculator's N field
    ;;
  wm-close)
    wait_active "$SPLASH"
    press alt+F4
    wait_until "$DEADLINE" splash_hidden || fail "the window manager could not close the splash"
    app_running || fail "closing the splash ended the program"
    calculator_hidden || fail "closing the splash brought the calculator before its time"
    ;;
  *) fail "unknown hand-over: $HAND_OVER" ;;
esac

wait_until "$DEADLINE" calculator_shown || fail "the calculator did not appear"
SHOWN=$(now_ms)
case $HAND_OVER in
  timer | wm-close)
    ((SHOWN - APP_START >= EARLIEST_TIMER_MS)) ||
      fail "the calculator came $((SHOWN - APP_START)) ms after the start"
    ;;
  click | key)
    # Sooner than any timer could have fired: the press handed over.
    ((SHOWN - APP_START < 4000)) || fail "the calculator came $((SHOWN - APP_START)) ms after the start"
    ((SHOWN - ACTED < 2000)) || fail "the calculator came $((SHOWN - ACTED)) ms after the $HAND_OVER"
    ;;
esac
splash_hidden || fail "the splash stayed after the hand-over"
expect_eq "$(window_count)" 1 "windows shown after the hand-over"
expect_centred "$CALC" "the calculator"

# 600×500 under a menu bar, and it keeps that size when asked for another.
((MENU > 0)) || fail "the calculator has no menu bar (height $((500 + MENU)))"
size_is() { [ "$(window_size "$CALC")" = "$1" ]; }
FIXED="600x$((500 + MENU))"
xdotool windowsize "$CALC" 800 700
holds_for 700 size_is "$FIXED" || fail "the calculator was resized to $(window_size "$CALC")"

wait_active "$CALC"
type_text 12
expect_field nFld 12
