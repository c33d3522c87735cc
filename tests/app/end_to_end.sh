#!/usr/bin/env bash
# Starts the real program under Xvfb with the xcb platform, from another
# folder, and checks its window: title, client size, centred position, its
# own folder as current directory, Escape ignored, exit status 0 on close.
# Usage: end_to_end.sh PATH_TO_MOSUO
set -euo pipefail
program=$(realpath "$1")
title="墨梭-岚杉论坛首发测试版"
here=$(dirname "$(realpath "$0")")

for tool in Xvfb xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing; ./dev.sh test installs xvfb and x11-utils"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
finish() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; exit 1; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

(cd "$work" && QT_QPA_PLATFORM=xcb exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!

info=""
for _ in $(seq 200); do
  info=$(xwininfo -name "$title" 2>/dev/null) && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/program.log")"
  sleep 0.1
done
[ -n "$info" ] || fail "no window titled $title"
field() { awk -v key="$1" -F: '$1 ~ key { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
width=$(field "Width")
height=$(field "Height")
x=$(field "Absolute upper-left X")
y=$(field "Absolute upper-left Y")
echo "window ${width}x${height} at ${x},${y}"

[ "$width" -eq 556 ] || fail "client width $width, not 556"
menu_bar=$((height - 806))  # the client area lies below one row of menus
[ "$menu_bar" -ge 15 ] && [ "$menu_bar" -le 40 ] || fail "client height $height is not 806 plus a menu bar"
[ "$x" -eq $(((1280 - 562) / 2)) ] && [ "$y" -eq $(((1024 - 854) / 2)) ] || fail "not centred by the start formula"
[ "$(readlink "/proc/$program_pid/cwd")" = "$(dirname "$program")" ] || fail "current directory is not the program's folder"

window_id=$(awk '/Window id:/ { print $4 }' <<<"$info")
if command -v xdotool >/dev/null; then
  xdotool key --window "$window_id" Escape
  sleep 0.5
  kill -0 "$program_pid" 2>/dev/null || fail "Escape ended the program"
fi

if command -v python3 >/dev/null; then
  python3 "$here/close_window.py" "$window_id"
  status=0
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program_pid" 2>/dev/null && fail "the program still runs after its window was closed"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" -eq 0 ] || fail "closing ended the program with status $status"
  echo "closed with status 0"
fi
echo "PASS"
