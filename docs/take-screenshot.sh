#!/usr/bin/env bash
# Takes docs/screenshot.png: the window program on a virtual X display (Xvfb),
# drawn with the CJK fonts its Debian package recommends (fonts-noto-cjk).
#   docs/take-screenshot.sh [PROGRAM [OUTPUT]]
# PROGRAM defaults to build/default/app/mosuo, OUTPUT to docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/app/mosuo}")
output=$(realpath -m "${2:-docs/screenshot.png}")
[[ -x $program ]] || { echo "no window program at $program; build it first (./dev.sh test)" >&2; exit 2; }
for tool in xvfb-run xwininfo import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (Debian packages xvfb, x11-utils, imagemagick)" >&2; exit 2; }
done

# no window manager runs on the virtual display, so the picture is the window's client area
LC_ALL=C.UTF-8 xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' bash -c '
  program=$1 output=$2 title=$3
  "$program" & pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk -v t="\"$title\"" "index(\$0, t) { print \$1; exit }")
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "no window titled $title appeared" >&2; exit 1; }
  sleep 1  # let the first paint finish
  import -window "$window" "$output"
' _ "$program" "$output" '墨梭-岚杉论坛首发测试版'
echo "wrote $output"
