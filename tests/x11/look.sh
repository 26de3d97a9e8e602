#!/usr/bin/env bash
# Long results on a real X server: the result field shows each one whole,
# from its first character to its last.
#
#   look.sh BINARY
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
BIN=$1

# N, classes, BIC, entropy and the result shown.
LONG_RESULTS=(
  "1 1 123456789 1 123456789.0"
  "999999 999999 999999999 0 1027630990.5"
  "999999 9 1 9 -35155557.1"
)

# The glyphs a text is drawn with, read from its pixels: one letter for each
# run of inked columns, T for one as tall as the text, "." for a short one at
# its foot and "-" for a short one above it. A text scrolled or cut shows
# fewer glyphs or others at its start.
glyphs_of_text() { sed 's/[0-9]/T/g' <<<"$1"; }

# glyphs_on_screen: the glyphs inside the result field's frame.
glyphs_on_screen() {
  local left top width height
  read -r left top width height <<<"${CONTROL[VorpexFld]}"
  import -window "$CALC" -crop "$((width - 6))x$((height - 6))+$((left + 3))+$((MENU + top + 3))" \
    "$WORK/field.png" 2>/dev/null || return 1
  convert "$WORK/field.png" +repage -colorspace Gray -threshold 55% -negate txt:- |
    awk -F'[,: ]+' '
      NR > 1 && /#FFFFFF|white/ {
        ink[$1] = 1
        if (!($1 in top) || $2 < top[$1]) top[$1] = $2
        if (!($1 in bottom) || $2 > bottom[$1]) bottom[$1] = $2
        if ($1 > right) right = $1
      }
      END {
        for (x = 0; x <= right + 1; x++) {
          if (!(x in ink)) { run = 0; continue }
          if (!run) { n++; t[n] = top[x]; b[n] = bottom[x]; run = 1 }
          if (top[x] < t[n]) t[n] = top[x]
          if (bottom[x] > b[n]) b[n] = bottom[x]
        }
        T = 1e9; B = -1
        for (i = 1; i <= n; i++) { if (t[i] < T) T = t[i]; if (b[i] > B) B = b[i] }
        h = B - T + 1
        for (i = 1; i <= n; i++) {
          if (b[i] - t[i] + 1 >= 0.6 * h) printf "T"
          else if (b[i] >= B - 0.15 * h) printf "."
          else printf "-"
        }
        print ""
      }'
}

shows_glyphs() { SHOWN=$(glyphs_on_screen) && [ "$SHOWN" = "$1" ]; }

start_calculator "$BIN"
for row in "${LONG_RESULTS[@]}"; do
  read -r n k bic entropy expected <<<"$row"
  click_control clearBtn # and the focus is in N
  enter_inputs "$n" "$k" "$bic" "$entropy"
  click_control calcBtn
  pointer_away
  wait_until "$DEADLINE" shows_glyphs "$(glyphs_of_text "$expected")" ||
    fail "$expected: the field shows the glyphs '$SHOWN', not '$(glyphs_of_text "$expected")'"
  expect_field VorpexFld "$expected"
done
