#!/usr/bin/env bash
# The real window's outer size and place on a virtual 1024×768 display at 96 DPI, bare or under
# openbox: 800 pixels by 8000 twips (533 pixels) frame included, centred within a pixel.
# Usage: window_frame.sh BELVIK bare|openbox
set -euo pipefail
if [ -z "${BELVIK_FRAME_DISPLAY:-}" ]; then
  unset WAYLAND_DISPLAY
  BELVIK_FRAME_DISPLAY=1 QT_QPA_PLATFORM=xcb exec xvfb-run -a \
    -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
belvik=$1
manager=$2
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}strict_string_checks=0"  # as in run_atspi.sh

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
if [ "$manager" = openbox ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  # The manager is up once it has named its check window on the root.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi
"$belvik" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Fenmoor beta ')

# The client area from X, the frame from the manager's _NET_FRAME_EXTENTS (left, right, top,
# bottom; none without a manager). Read until two readings agree: the window is sized once more
# after it is framed.
measure() {
  local info extents
  info=$(xwininfo -id "$window")
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r fl fr ft fb <<<"${extents:-0,0,0,0}"
  cx=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  cy=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  cw=$(sed -n 's/.*Width: *//p' <<<"$info")
  ch=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$((cx - fl)) $((cy - ft)) $((cw + fl + fr)) $((ch + ft + fb)) client ${cw}x${ch}"
}
if [ "$manager" = openbox ]; then
  for _ in $(seq 100); do  # framed once the manager has said how wide its frame is
    xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '=' && break
    sleep 0.1
  done
fi
previous=
for _ in $(seq 50); do
  sleep 0.2
  now=$(measure)
  [ "$now" = "$previous" ] && break
  previous=$now
done
read -r x y width height _ client <<<"$now"
echo "$manager: outer ${width}x${height} at $x,$y, $client"

passed=0
failed=0
check() {
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1)); echo "ok   $1"
  else
    failed=$((failed + 1)); echo "FAIL $1: got $2, expected $3"
  fi
}
centred() {  # gap before, gap after: equal within a pixel
  local d=$(($1 - $2))
  [ "${d#-}" -le 1 ] && echo yes || echo "no ($1 before, $2 after)"
}
check "outer width" "$width" 800
check "outer height" "$height" 533
check "centred across" "$(centred "$x" $((1024 - x - width)))" yes
check "centred down" "$(centred "$y" $((768 - y - height)))" yes
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
