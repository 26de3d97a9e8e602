# Shared by the X server tests (sourced): each test gets its own X server on a
# free display, a window manager, and the real program in a clean environment.
# Everything is observed from outside through X: windows, their names and
# sizes, the keyboard focus, the clipboard and the exit status.
#
#   x11_start                 X server (X11_SCREEN, default 1280x1024) and window
#                             manager; cleaned up on exit
#   app_start BINARY          starts the program (APP_PID)
#   start_calculator BINARY   starts it, gets past the splash (CALC, MENU)
#   enter_inputs N K BIC E    types the four inputs, from the focus in N
#   expect_field NAME TEXT    reads a field (through the clipboard) and checks it
#   expect_exit STATUS        waits for the program to end with STATUS

# shellcheck disable=SC2034  # the test scripts read what the helpers set
set -u -o pipefail

for tool in Xvfb openbox xdotool xclip xwininfo xprop import; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing (scripts/test installs what the tests need)" >&2
    exit 1
  }
done

X11_TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vorpex-x11.XXXXXX")
XVFB_PID=""
WM_PID=""
APP_PID=""
APP_SCALE="" # Qt's scale factor for the program; none when empty
CALC=""      # the calculator window
MENU=0       # the height of its menu bar, above the 600×500 client area
DEADLINE=15  # seconds for anything that should happen; only reached on failure

# Client rectangles of the calculator's controls: left top width height.
declare -A CONTROL=(
  [nFld]="145 210 80 22"
  [clasFld]="145 240 80 22"
  [bicFld]="145 270 80 22"
  [entropyFld]="145 300 80 22"
  [VorpexFld]="450 242 80 22"
  [calcBtn]="20 428 120 40"
  [helpBtn]="260 428 80 40"
  [clearBtn]="460 428 120 40"
)

# --- Reporting ---

fail() {
  echo "FAIL: $*" >&2
  describe_windows >&2
  local log
  for log in xvfb wm app; do
    if [ -s "$WORK/$log.log" ]; then
      echo "--- $log.log:" >&2
      cat "$WORK/$log.log" >&2
    fi
  done
  exit 1
}

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
  [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

describe_windows() {
  [ -n "$APP_PID" ] && [ -n "${DISPLAY:-}" ] || return 0
  echo "--- visible windows of the program:"
  local w
  for w in $(visible_windows); do
    window_geometry "$w" || continue
    echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)' ${GW}x${GH} at $GX,$GY"
  done
}

# --- Time and waiting ---

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds; fails
# (returns 1) when SECONDS have passed.
wait_until() {
  local deadline=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}

# holds_for MILLISECONDS COMMAND...: COMMAND keeps succeeding that long (the
# bounded wait of a negative check).
holds_for() {
  local deadline=$(($(now_ms) + $1))
  shift
  while (($(now_ms) < deadline)); do
    "$@" || return 1
    sleep 0.02
  done
}

# --- X server and window manager ---

cleanup() {
  local pid
  for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

x11_start() {
  unset XAUTHORITY
  mkdir -p "$WORK/home" "$WORK/run"
  chmod 700 "$WORK/run"
  # -displayfd: the server takes a free display and writes its number.
  Xvfb -displayfd 3 -screen 0 "${X11_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$WORK/display" \
    >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_until "$DEADLINE" grep -qs "^[0-9]" "$WORK/display" || fail "the X server did not start"
  DISPLAY=":$(head -n1 "$WORK/display")"
  export DISPLAY
  env -i DISPLAY="$DISPLAY" HOME="$WORK/home" PATH="/usr/bin:/bin" \
    openbox --sm-disable --config-file "$X11_TESTS/openbox.xml" >"$WORK/wm.log" 2>&1 &
  WM_PID=$!
  wait_until "$DEADLINE" wm_running || fail "the window manager did not start"
}

# --- The program ---

# The leak suppressions for a sanitizer build: the caller's, and those for
# running on an X server.
leak_suppressions() {
  local given
  given=$(sed -n 's/.*suppressions=\([^:]*\).*/\1/p' <<<"${LSAN_OPTIONS:-}")
  {
    [ -n "$given" ] && cat "$given"
    cat "$X11_TESTS/lsan.supp"
  } >"$WORK/lsan.supp"
  echo "${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$WORK/lsan.supp"
}

# app_start BINARY [ARGUMENTS...]: starts the program with nothing of the
# caller's environment but the sanitizers' settings, at Qt's scale APP_SCALE
# when that is set (APP_START: when, in ms).
app_start() {
  local lsan
  lsan=$(leak_suppressions)
  APP_START=$(now_ms)
  env -i DISPLAY="$DISPLAY" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" PATH="/usr/bin:/bin" \
    ${ASAN_OPTIONS:+"ASAN_OPTIONS=$ASAN_OPTIONS"} \
    ${UBSAN_OPTIONS:+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} \
    LSAN_OPTIONS="$lsan" ${APP_SCALE:+"QT_SCALE_FACTOR=$APP_SCALE"} \
    "$@" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
}

# Ended (gone or a zombie waiting for its status).
app_exited() {
  local state
  state=$(cut -d' ' -f3 "/proc/$APP_PID/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}

app_running() { ! app_exited; }

# expect_exit STATUS: the program ends, with STATUS.
expect_exit() {
  wait_until "$DEADLINE" app_exited || fail "the program is still running"
  local status=0
  wait "$APP_PID" || status=$?
  local pid=$APP_PID
  APP_PID=""
  expect_eq "$status" "$1" "exit status of process $pid"
}

# --- Windows ---

visible_windows() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null; }

window_count() { visible_windows | wc -l; }

# window_geometry WINDOW: sets GX GY (absolute, of the client window) GW GH.
window_geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  GX=$(awk '/Absolute upper-left X:/ {print $NF}' <<<"$info")
  GY=$(awk '/Absolute upper-left Y:/ {print $NF}' <<<"$info")
  GW=$(awk '/ Width:/ {print $NF}' <<<"$info")
  GH=$(awk '/ Height:/ {print $NF}' <<<"$info")
}

window_size() { window_geometry "$1" && echo "${GW}x${GH}"; }

# A visible window of the program with the given client size (or none).
window_sized() {
  local w
  for w in $(visible_windows); do
    [ "$(window_size "$w")" = "$1" ] && echo "$w" && return 0
  done
  return 1
}

# Sizes at Qt's scale APP_SCALE (a whole number).
scaled() { echo $(($1 * ${APP_SCALE:-1})); }

# The splash: a visible 525×300 window (its title is empty).
splash_window() { window_sized "$(scaled 525)x$(scaled 300)"; }
splash_shown() { SPLASH=$(splash_window); }
splash_hidden() { ! splash_window >/dev/null; }

# The calculator: the visible window titled "Vorpex" that is 600 wide.
calculator_shown() {
  local w
  for w in $(visible_windows); do
    if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Vorpex ] && window_geometry "$w" &&
      [ "$GW" = "$(scaled 600)" ]; then
      CALC=$w
      MENU=$((GH - $(scaled 500)))
      return 0
    fi
  done
  return 1
}
calculator_hidden() { ! calculator_shown; }

# The help window: the visible window titled "Info" (HELP).
help_shown() {
  local w
  for w in $(visible_windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Info ] && HELP=$w && return 0
  done
  return 1
}
help_hidden() { ! help_shown; }

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Waits until WINDOW is the active window (keys go to it).
wait_active() {
  wait_until "$DEADLINE" active_is "$1" || fail "window $1 did not become active"
}

# Message boxes: visible windows titled "Vorpex" other than the calculator
# and the splash.
message_boxes() {
  local w
  for w in $(visible_windows); do
    [ "$w" = "$CALC" ] && continue
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Vorpex ] || continue
    [ "$(window_size "$w")" = "$(scaled 525)x$(scaled 300)" ] && continue
    echo "$w"
  done
}
message_box_shown() { BOX=$(message_boxes | head -n1) && [ -n "$BOX" ]; }
no_message_box() { [ -z "$(message_boxes)" ]; }

# Waits for exactly one message box (BOX): modal, belonging to the
# calculator, smaller than it.
expect_message_box() {
  wait_until "$DEADLINE" message_box_shown || fail "no message box appeared"
  expect_eq "$(message_boxes | wc -l)" 1 "message boxes shown"
  xprop -id "$BOX" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the message box is not modal"
  local owner
  owner=$(xprop -id "$BOX" WM_TRANSIENT_FOR | awk '{print $NF}')
  [[ $owner == 0x* ]] || fail "the message box belongs to no window"
  expect_eq "$((owner))" "$CALC" "the window the message box belongs to"
  window_geometry "$BOX"
  ((GW < 600 && GH < 500)) || fail "the message box is ${GW}x${GH}"
  wait_active "$BOX"
}

# Dismisses the message box with "mouse" (its OK button, at the bottom
# right) or "return"; then the calculator is active again.
dismiss_message_box() {
  case $1 in
    mouse)
      window_geometry "$BOX"
      xdotool mousemove --window "$BOX" $((GW - 48)) $((GH - 23)) click 1
      ;;
    return) xdotool key Return ;;
    *) fail "no way to dismiss a message box: $1" ;;
  esac
  wait_until "$DEADLINE" no_message_box || fail "the message box stayed (dismissed by $1)"
  wait_active "$CALC"
}

# --- Start-up ---

# start_calculator BINARY [HAND-OVER]: starts the program and waits for the
# calculator. With HAND-OVER "click" (the default) the splash is clicked away
# at once; its timer still runs out 4 s after the start and brings the
# calculator to the front again. Where another window must stay in front,
# "timer" waits for that hand-over instead.
start_calculator() {
  x11_start
  app_start "$1"
  wait_until "$DEADLINE" splash_shown || fail "no splash appeared"
  [ "${2:-click}" = click ] && click_in "$SPLASH" 262 150
  wait_until "$DEADLINE" calculator_shown || fail "the calculator did not appear"
  wait_active "$CALC"
}

# --- Mouse, keyboard, clipboard ---

click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# click_control NAME: a click in the middle of one of the calculator's controls.
click_control() {
  local left top width height
  read -r left top width height <<<"${CONTROL[$1]}"
  click_in "$CALC" $((left + width / 2)) $((MENU + top + height / 2))
}

# control_look NAME: a checksum of how a control of the calculator is drawn.
control_look() {
  local left top width height
  read -r left top width height <<<"${CONTROL[$1]}"
  import -window "$CALC" -crop "${width}x${height}+${left}+$((MENU + top))" rgb:- 2>/dev/null |
    md5sum | cut -d' ' -f1
}
look_is() { [ "$(control_look "$1")" = "$2" ]; }

# Moves the pointer off the controls (to a blank place of the calculator).
pointer_away() { xdotool mousemove --window "$CALC" 300 $((MENU + 390)); }

type_text() { xdotool type --delay 15 -- "$1"; }

# enter_inputs N K BIC ENTROPY: types N where the focus is (in N), then each
# other input into its field.
enter_inputs() {
  type_text "$1"
  click_control clasFld
  type_text "$2"
  click_control bicFld
  type_text "$3"
  click_control entropyFld
  type_text "$4"
}
press() { xdotool key "$@"; }
# To the end of a field's text (End is not among the keys the fields take).
to_end() { xdotool key --repeat 10 Right; }

clipboard_text() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard_text)" = "$1" ]; }
clipboard_is_not() { ! clipboard_is "$1"; }

# Puts a marker on the clipboard that no field can hold; CLIP_MARK.
CLIP_SEQ=0
clipboard_mark() {
  CLIP_SEQ=$((CLIP_SEQ + 1))
  CLIP_MARK="marker-$CLIP_SEQ"
  printf %s "$CLIP_MARK" | xclip -i -selection clipboard >/dev/null 2>&1
  wait_until "$DEADLINE" clipboard_is "$CLIP_MARK" || fail "could not set the clipboard"
}

# copy_focused VARIABLE WHAT: the text the focused control copies (select
# all, copy); fails when nothing is copied, as from an empty field.
copy_focused() {
  clipboard_mark
  press ctrl+a ctrl+c
  wait_until "$DEADLINE" clipboard_is_not "$CLIP_MARK" || fail "nothing was copied ($2)"
  printf -v "$1" %s "$(clipboard_text)"
}

# read_field NAME VARIABLE: clicks into a field and reads its text.
read_field() {
  click_control "$1"
  copy_focused "$2" "from $1"
}

# expect_field NAME TEXT
expect_field() {
  local text
  read_field "$1" text
  expect_eq "$text" "$2" "$1"
}

# expect_empty NAME: types a digit at the end of the field and reads the
# field back (the digit alone: it was empty), then takes the digit away.
expect_empty() {
  click_control "$1"
  to_end
  type_text 7
  local text
  copy_focused text "from $1"
  expect_eq "$text" 7 "$1 (after typing 7 into it)"
  press BackSpace
}
