#!/usr/bin/env bash
# The program takes no command-line arguments: options the platform would
# otherwise read (a window title, a style sheet, a layout direction, a style)
# change nothing.
#
#   command_line.sh BINARY
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

printf '* { background: #ff0000; }\n' >"$WORK/red.qss"
x11_start
app_start "$BIN" -qwindowtitle Hacked -stylesheet "$WORK/red.qss" -reverse -style windows
wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
[[ $(xprop -id "$SPLASH" -notype WM_NAME) =~ ^WM_NAME\ =\ *$ ]] ||
  fail "the splash has a title: $(xprop -id "$SPLASH" -notype WM_NAME)"
click_in "$SPLASH" 262 150
# Titled "Vorpex" as ever (calculator_shown looks for that title).
wait_until "$DEADLINE" calculator_shown || fail "no calculator titled Vorpex appeared"

# A blank place of the client area keeps its own colour, not the style sheet's.
pixel=$(import -window "$CALC" -crop "1x1+300+$((MENU + 390))" -depth 8 txt:- | tail -n1)
[[ $pixel == *"#FF0000"* ]] && fail "the style sheet was applied: $pixel"
exit 0
