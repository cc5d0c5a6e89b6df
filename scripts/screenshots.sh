#!/usr/bin/env bash
# Builds the release program, runs it on a virtual X display, fills each pane with sample
# inputs, presses its 计算 button and saves one PNG per pane in docs/screenshots/, opens the
# result's chart from the result box's menu and saves it too (chart-*.png); then exports a long
# schedule as PDF for its progress dialog, and a realistic one for its first page.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${BELVIK_SCREENSHOT_DISPLAY:-}" ]; then
  source scripts/packages.sh
  belvik_install_missing "${belvik_build_packages[@]}" "${belvik_screenshot_packages[@]}"
  cmake --preset release
  cmake --build --preset release
  BELVIK_SCREENSHOT_DISPLAY=1 exec xvfb-run --auto-servernum \
    --server-args="-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

out=docs/screenshots
mkdir -p "$out"
# The real ImageMagick; a `convert` earlier on PATH may be something else.
import=/usr/bin/import

pdf=$(mktemp -d)
build/release/ui/belvik &
app=$!
trap 'kill "$app" 2>/dev/null || true; rm -rf "$pdf"' EXIT

window=$(xdotool search --sync --onlyvisible --name '^Fenmoor beta ')
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"
sleep 0.5

# Menu commands, in window pixels: each caption's centre on the menu bar with the CJK interface
# face at 9 points. The menu bar is the only place a click needs a position; everything else
# is reached through the tab order, which the window fixes.
declare -A menu_x=([mnuDT]=34 [mnuYLJ]=120 [mnuPVIF]=230 [munFVIF]=328)
menu_y=11
# Anywhere in the result box, which fills the lower part of every pane.
result_x=400
result_y=400

click() {
  xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"
  sleep 0.3
}

# Tabs from the focused control to the next one and replaces its text.
next_box() {
  xdotool key --delay 40 Tab End
  # Ctrl+A is a typed control character, which the boxes drop; backspace is allowed.
  xdotool key --delay 10 --repeat 12 BackSpace
  xdotool type --delay 40 "$1"
}

tabs() {
  xdotool key --delay 40 --repeat "$1" Tab
}

shot() {
  sleep 0.5
  "$import" -window "$window" "$out/$1.png"
  echo "saved $out/$1.png"
}

# Opens the chart of the result on screen (显示图表…, the menu's last command), points at the
# year $2 pixels into the chart window so the read-out shows it, saves the window and
# closes it again.
chart_shot() {
  xdotool mousemove --window "$window" "$result_x" "$result_y" click 3
  sleep 0.3
  xdotool key Up Return
  local chart
  chart=$(xdotool search --sync --onlyvisible --name ' — 图表$')
  xdotool windowmove --sync "$chart" 0 0
  xdotool mousemove --window "$chart" "$2" 250
  sleep 0.5
  "$import" -window "$chart" "$out/$1.png"
  echo "saved $out/$1.png"
  xdotool windowfocus --sync "$chart"
  xdotool key Escape
  xdotool windowfocus --sync "$window"
}

# Periodic investment: tab order from the result box is 3, 4, 5, button, years; the monthly
# amount, the yearly increase, the return and the years.
investment() {
  click "${menu_x[mnuDT]}" "$menu_y"
  click "$result_x" "$result_y"
  next_box "$1"   # txtJE(3)
  next_box "$2"   # txtJE(4)
  next_box "$3"   # txtJE(5)
  tabs 1          # Command1
  next_box "$4"   # txtYear(4)
  xdotool key shift+Tab   # back to Command1
  xdotool key space
}

investment 500 5 8 10
shot periodic-investment
chart_shot chart-investment 560

# Pension need: the button comes first; from the result box the order wraps round through
# the inflation box to the button, then the three years boxes and the monthly cost.
click "${menu_x[mnuYLJ]}" "$menu_y"
click "$result_x" "$result_y"
next_box 3      # txtJE(0) inflation
tabs 1          # cmdYLJ
next_box 8      # txtYear(0) years on the pension
next_box 35     # txtYear(1) current age
next_box 60     # txtYear(2) retirement age
next_box 3000   # txtJE(1) monthly cost
tabs 3          # txtJG, txtJE(0), cmdYLJ
xdotool key space
shot pension-need
chart_shot chart-pension 420

# Present value: the help text sits under the question.
click "${menu_x[mnuPVIF]}" "$menu_y"
click "$result_x" "$result_y"
tabs 1          # cmdPVIF
next_box 10     # txtYear(3) years
next_box 4      # txtJE(0) inflation
next_box 10000  # txtJE(2) amount
tabs 2          # txtJG, cmdPVIF
xdotool key space
shot present-value
chart_shot chart-present-value 400

# Single lump sum.
click "${menu_x[munFVIF]}" "$menu_y"
click "$result_x" "$result_y"
next_box 10000  # txtJE(6) amount
next_box 5      # txtYear(5) years
next_box 6      # txtJE(7) expected return
tabs 1          # cmdFVIF
xdotool key space
shot lump-sum
chart_shot chart-lump-sum 500

# 导出为 PDF… from the result box's menu, second from its bottom, into the file $1; prints the
# file dialog's window, whose caption the progress dialog shares.
export_pdf() {
  click "$result_x" "$result_y" 3
  xdotool key --delay 40 Up Up Return
  local dialog
  dialog=$(xdotool search --sync --onlyvisible --name '^导出为 PDF$')
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  echo "$dialog"
}

# The longest schedule takes over a second: the progress dialog shows as soon as it foresees that.
investment 300 0 0 32767
file_dialog=$(export_pdf "$pdf/long.pdf")
until xdotool search --onlyvisible --name '^导出为 PDF$' 2>/dev/null | grep -qvx "$file_dialog"; do
  sleep 0.05
done
sleep 0.15  # its first paint; painting the pages goes on for a second more
# From the screen: a grab of the window alone leaves the dialog over it black.
eval "$(xdotool getwindowgeometry --shell "$window")"
"$import" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/pdf-progress.png"
echo "saved $out/pdf-progress.png"
while xdotool search --onlyvisible --name '^导出为 PDF$' >/dev/null 2>&1; do sleep 0.2; done

investment 300 7 10 30
export_pdf "$pdf/page.pdf" >/dev/null
until [ -f "$pdf/page.pdf" ]; do sleep 0.1; done
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf/page.pdf" "$out/pdf-page"
echo "saved $out/pdf-page.png"
