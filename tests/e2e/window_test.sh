#!/usr/bin/env bash
# A lesson program in a real window, on its own Xvfb display.
#
#   window_test.sh menu  PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR
#     the window shows the same menu as lesson-replay draws, the waiting
#     program uses (almost) no CPU, and typing the end item and Enter (after
#     keys that the entry clears or ignores) ends it with status 0;
#   window_test.sh close PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR [KEYS...]
#     the close request a window manager sends ends it with status 0; with
#     KEYS (xdotool key names) they are typed first and the request comes
#     half a second later (to close it in the middle of an animation);
#   window_test.sh screen PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR SCRIPT KEYS...
#     after KEYS (xdotool key names, the same keys as the lesson-replay key
#     script SCRIPT) the window shows what lesson-replay draws for SCRIPT:
#     what the screens wiped and drew again on the way left nothing stale;
#     shrunk to 2x2 and restored, the window shows that picture again;
#   window_test.sh workarea PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR
#     with a work area 19 pixels lower than the screen (_NET_WORKAREA, as a
#     panel leaves), the window opens as large as the work area; made as
#     large as the screen and the work area again (un-maximised and
#     maximised), or larger than the screen and back, it shows the very same
#     pixels as before;
#   window_test.sh signal PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR
#     SIGTERM at the menu, after some seconds of waiting (the longest idle
#     waits), ends it within a second with status 0;
#   window_test.sh stalled PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR KEYS...
#     after KEYS (which start an animation) the X server is stopped, and
#     SIGTERM still ends the program within a second with status 0;
#   window_test.sh nodisplay PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR
#     without a display it ends within a second, with status 1 and one line;
#   window_test.sh rightalt PROGRAM TITLE END_ITEM BIN_DIR OUT_DIR
#     the right Alt key (X key code 108, pressed through XTEST) is Alt on the
#     us layout: the end item and then right Alt+Enter, or right Alt+the end
#     item and then Enter, do not end it; on the lt layout it is AltGr, and
#     AltGr+the end item's key types the item (a digit: the lt layout's
#     third level), which Enter takes.
# A sanitizer build's program takes longer to end (LeakSanitizer looks through
# its memory at exit): E2E_END_SECONDS is its second.
# With E2E_NO_JAPANESE_FACE set, the program sees fonts without a Japanese
# face and must say so in one line; with E2E_NO_FONT set too, it sees no font
# at all.
set -euo pipefail
mode=$1 prog=$2 title=$3 end_item=$4 bin=$5 out=$6
shift 6
script=""
if [ "$mode" = screen ]; then script=$1; shift; fi
keys=("$@")
within=${E2E_END_SECONDS:-1}
rm -rf "$out" && mkdir -p "$out"
# In a sanitizer build: what system libraries leave allocated at exit is not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

xvfb_pid="" prog_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill -CONT "$xvfb_pid" 2>/dev/null || true
  for pid in $prog_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$out/program.log" "$out/xvfb.log"; do
    [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

if [ "$mode" = nodisplay ]; then
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY timeout "$within" "$bin/$prog" >"$out/program.log" 2>&1 || status=$?
  [ "$status" -eq 1 ] || fail "$prog without a display ended with status $status (124: it still ran after $within s)"
  [ "$(wc -l <"$out/program.log")" -eq 1 ] && grep -q "cannot open a window: no display" "$out/program.log" ||
    fail "$prog did not say in one line that there is no display"
  exit 0
fi
if [ -n "${E2E_NO_JAPANESE_FACE:-}" ]; then
  dir="<dir>/usr/share/fonts/truetype/dejavu</dir>"
  [ -n "${E2E_NO_FONT:-}" ] && dir=""
  echo "<fontconfig>$dir<cachedir>$out/fc</cachedir></fontconfig>" >"$out/fonts.conf"
  export FONTCONFIG_FILE=$out/fonts.conf
fi

# A display of our own. Each test has its own slot of ten display numbers
# (E2E_SLOT), so tests that run at once never ask for the same number; a
# number that some other server holds (its lock file /tmp/.XN-lock names
# another process) makes Xvfb give up, and the next one of the slot is tried.
slot=${E2E_SLOT:-$((RANDOM % 50))}
display=""
for attempt in $(seq 0 9); do
  number=$((300 + slot * 10 + attempt))
  Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp -noreset >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$number-lock")" = "$xvfb_pid" ] &&
       xdpyinfo -display ":$number" >/dev/null 2>&1; then
      display=":$number"
      break 2
    fi
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$display" ] || fail "Xvfb did not start"
export DISPLAY=$display
[ "$mode" = workarea ] && xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 19, 1920, 1061"

"$bin/$prog" >"$out/program.log" 2>&1 &
prog_pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n1) || true
  [ -n "$window" ] && break
  kill -0 "$prog_pid" 2>/dev/null || fail "$prog ended before its window appeared"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled $title"

# Waits up to $1 seconds for the program to end; its status must be 0.
expect_end() {
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$prog_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$prog_pid" 2>/dev/null && fail "$prog still runs after $1 s"
  local status=0
  wait "$prog_pid" || status=$?
  prog_pid=""
  [ "$status" -eq 0 ] || fail "$prog ended with status $status"
}

# CPU time (utime + stime, in clock ticks) the program has used so far.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$prog_pid/stat"; }

# Waits until the window shows what lesson-replay draws for the key script
# $1 (its final picture), up to 10 s; the normalised RMSE must stay under $2.
# The window holds the canvas scaled to 1920x1080 (or lies in $canvas_area
# of the screen): compare at 1600x900, both
# slightly blurred so that the comparison weighs what is drawn where rather
# than how each glyph was antialiased at its scale. (A menu and its replay
# differ by about 0.010 to 0.014, another program's menu by over 0.02; the
# more text, the more antialiasing differs: a full lesson page by about
# 0.022, the same page one step earlier by 0.06.) Besides, hardly any pixel
# may differ much: a stale glyph or line in a corner changes little of the
# RMSE but leaves a cluster of pixels that differ by over 30 % (a 7 x 13
# pixel dot over a hundred; the right picture none).
matches_replay() {
  local limit=$2
  "$bin/lesson-replay" "$prog" --keys "$1" --png "$out/replay" >/dev/null
  convert "$out/replay/final.png" -blur 0x2 "$out/replay-blurred.png"
  rmse=1 far=-1
  similar() { awk -v e="${rmse:-1}" -v f="${far:--1}" -v l="$limit" 'BEGIN { exit !(e < l && f >= 0 && f < 50) }'; }
  for _ in $(seq 50); do
    import -window root "$out/window.png"
    convert "$out/window.png" ${canvas_area:+-crop "$canvas_area" +repage} -resize '1600x900!' -blur 0x2 \
      "$out/window-blurred.png"
    rmse=$(compare -metric RMSE "$out/window-blurred.png" "$out/replay-blurred.png" null: 2>&1 \
             | sed -n 's/.*(\(.*\)).*/\1/p') || true
    far=$(compare -metric AE -fuzz 30% "$out/window-blurred.png" "$out/replay-blurred.png" null: 2>&1) || true
    similar && break
    sleep 0.2
  done
  similar || fail "window differs from the replay (RMSE $rmse, $far pixels far off)"
  echo "window matches the replay (normalised RMSE $rmse, $far pixels far off)"
}

# Waits up to 2 s for the screen to show the very same pixels as the picture
# $1 again, after what $2 says was done to the window.
shows_again() {
  local differ=""
  for _ in $(seq 20); do
    sleep 0.1
    import -window root "$out/again.png"
    differ=$(compare -metric AE "$out/again.png" "$1" null: 2>&1) || true
    [ "$differ" = 0 ] && return 0
  done
  fail "$2, the window shows another picture ($differ pixels differ)"
}

if [ "$mode" = menu ]; then
  # The menu as the replay tool draws it (no keys: it stops at the menu).
  matches_replay "" 0.015

  # Waiting at the menu uses well under 5% of a core.
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks); sleep 3; after=$(cpu_ticks)
  percent=$(( (after - before) * 100 / (3 * hz) ))
  echo "CPU while waiting: $((after - before)) ticks in 3 s ($percent%)"
  [ "$percent" -lt 5 ] || fail "the waiting program uses $percent% CPU"

  # Alt, Super or Ctrl with the end item gives one key (127) and not the item
  # too, and with Enter it is no Enter; the item typed twice within a
  # millisecond is two keys, not a key and its repeat: after each, Enter does
  # not end the program.
  xdotool windowfocus "$window"
  xdotool key --delay 50 alt+"$end_item" Return super+"$end_item" Return ctrl+"$end_item" Return
  xdotool key --delay 50 "$end_item" alt+Return super+Return ctrl+Return BackSpace
  xdotool key --delay 0 "$end_item" "$end_item" && xdotool key Return && sleep 0.5
  kill -0 "$prog_pid" 2>/dev/null || fail "$prog ended on a key with Alt, Super or Ctrl, or on the item typed twice"

  # Backspace and Delete clear the entry; arrows, function keys and Shift
  # alone give nothing it takes: only the end item is left when Enter comes.
  xdotool key --delay 50 1 2 BackSpace 3 Delete Right F1 Shift_L "$end_item" Return
  expect_end 5
  echo "$prog ended with status 0 after its end item"
elif [ "$mode" = signal ]; then
  sleep 4
  kill -TERM "$prog_pid"
  expect_end "$within"
  echo "$prog ended with status 0 on SIGTERM"
elif [ "$mode" = workarea ]; then
  canvas_area=1886x1061+17+19 matches_replay "" 0.015  # the window, 1920x1061 at y 19, holds the canvas
  cp "$out/window.png" "$out/maximised.png"
  for size in "1920 1080" "2400 1350"; do
    xdotool windowsize "$window" $size && sleep 0.5 && xdotool windowsize "$window" 1920 1061
    shows_again "$out/maximised.png" "made ${size/ /x} and the work area's size again"
  done
  echo "made as large as the screen, or larger, and the work area's size again, the window shows the same picture"
  "$bin/send-close-request" "$window"
  expect_end 5
elif [ "$mode" = stalled ]; then
  sleep 0.5  # let it reach its menu and wait for a key
  xdotool windowfocus "$window"
  xdotool key --delay 100 "${keys[@]}"
  sleep 0.5
  kill -STOP "$xvfb_pid"
  sleep 0.3  # the next frame's present waits for the stopped server
  kill -TERM "$prog_pid"
  expect_end "$within"
  echo "$prog ended with status 0 on SIGTERM while the X server was stopped"
elif [ "$mode" = rightalt ]; then
  sleep 0.5  # let it reach its menu and wait for a key
  xdotool windowfocus "$window"
  item=$((end_item == 0 ? 19 : 9 + end_item))  # the digit's key code
  "$bin/press-keys" "$item" 108+36 22 108+"$item" 36 && sleep 1  # taken before the layout changes
  kill -0 "$prog_pid" 2>/dev/null || fail "$prog ended on a key with the right Alt, which is Alt on the us layout"
  setxkbmap lt
  "$bin/press-keys" 108+"$item" 36
  expect_end 5
  echo "$prog ended with status 0 after AltGr+$end_item on the lt layout"
elif [ "$mode" = screen ]; then
  sleep 0.5  # let it reach its menu and wait for a key
  xdotool windowfocus "$window"
  xdotool key --delay 30 "${keys[@]}"
  matches_replay "$script" 0.035
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool windowsize "$window" 2 2 && sleep 0.3 && xdotool windowsize "$window" "$WIDTH" "$HEIGHT"
  shows_again "$out/window.png" "shrunk to 2x2 and restored"
  echo "restored after 2x2, the window shows the same picture"
  "$bin/send-close-request" "$window"
  expect_end 5
else
  sleep 0.5  # let it reach its menu and wait for a key
  if [ ${#keys[@]} -gt 0 ]; then
    xdotool windowfocus "$window"
    xdotool key --delay 100 "${keys[@]}"
    sleep 0.5
    kill -0 "$prog_pid" 2>/dev/null || fail "$prog ended before the close request"
  fi
  "$bin/send-close-request" "$window"
  expect_end 5
  echo "$prog ended with status 0 after the close request"
fi
if [ -n "${E2E_NO_JAPANESE_FACE:-}" ]; then
  [ "$(grep -c "^$title: no Japanese face (BIZ UDGothic or IPAGothic).*fonts-morisawa-bizud-gothic" "$out/program.log")" -eq 1 ] ||
    fail "$prog did not say once, under its title, that the Japanese face is missing"
fi
