#!/usr/bin/env bash
# Idle CPU of the real program on each view: starts it on a copy of the bundled
# course under Xvfb with openbox, brings each view to the front with the keyboard
# as a user would, and measures the processor time of the program and of the
# browser's helper processes over a quiet spell on each view.
#
#   bench/idle_cpu.sh [build dir] [seconds per view]
# Environment: DISPLAY_NUMBER (default 96), SHOTS (a folder for a screenshot of each view).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
SECONDS_PER_VIEW="${2:-30}"
DISPLAY_NUMBER="${DISPLAY_NUMBER:-96}"
export DISPLAY=":$DISPLAY_NUMBER"
export QTWEBENGINE_DISABLE_SANDBOX=1
WORK="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT

if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 & pids+=($!)
  sleep 1
  openbox >/dev/null 2>&1 & pids+=($!)
  sleep 1
fi

cp -r "$ROOT/course" "$WORK/course"
: >"$WORK/course/data/otchet.txt" # the test log the demo settings name
"$BUILD/src/larendo" "$WORK/course" >"$WORK/larendo.log" 2>&1 & app=$!
pids=("$app" "${pids[@]}")

# utime + stime of a process and all its descendants, in clock ticks.
ticks() {
  local total=0 queue=("$1") i=0 p stat
  while [ $i -lt ${#queue[@]} ]; do
    p=${queue[$i]}; i=$((i + 1))
    stat=$(cat "/proc/$p/stat" 2>/dev/null) || continue
    stat=${stat##*) }
    read -r -a f <<<"$stat"
    total=$((total + f[11] + f[12]))
    for c in $(cat /proc/"$p"/task/*/children 2>/dev/null); do queue+=("$c"); done
  done
  echo $total
}

keys() { xdotool key --delay 150 "$@"; sleep 1; }
# Opens a top-level menu item by its place from the left (0 = first) and chooses
# the sub-item at the given place from the top (0 = first).
menu() {
  local top=$1 sub=$2
  keys alt
  for ((k = 0; k < top; k++)); do keys Right; done
  if [ "$sub" = "-" ]; then keys Return; return; fi
  keys Down
  for ((k = 0; k < sub; k++)); do keys Down; done
  keys Return
}

measure() {
  local view=$1
  sleep 3 # let the switch settle
  [ -n "${SHOTS:-}" ] && mkdir -p "$SHOTS" && import -window root "$SHOTS/$view.png"
  local hz a b
  hz=$(getconf CLK_TCK)
  a=$(ticks "$app"); sleep "$SECONDS_PER_VIEW"; b=$(ticks "$app")
  awk -v v="$view" -v a="$a" -v b="$b" -v s="$SECONDS_PER_VIEW" -v hz="$hz" \
    'BEGIN { printf "%-10s %6.2f %% of a core over %d s\n", v, (b - a) * 100.0 / hz / s, s }'
}

# The title screen, then the main window with the sign-in view in front.
for _ in $(seq 50); do
  win=$(xdotool search --name 'Ларендо' 2>/dev/null | tail -1 || true)
  [ -n "$win" ] && xdotool getwindowname "$win" | grep -q 'ЭУИ' && break
  sleep 0.5
done
sleep 4
xdotool windowactivate --sync "$(xdotool search --name 'ЭУИ' | tail -1)" || true
sleep 1
measure sign-in

menu 4 1                 # "Помощь" > "Помощь": the start page
measure content

menu 3 -                 # "На форму авторизации"
xdotool type --delay 100 admin; keys Tab
xdotool type --delay 100 12345; keys Return
# Menu of the administrator: Содержание, Практические занятия, Рубежный контроль,
# Методические материалы, Презентации, Книги, Администрирование, ...
menu 6 0                 # "Администрирование" > "Информация об успеваемости"
measure progress

menu 6 3                 # "Администрирование" > "Настройки администратора"
measure settings

menu 3 4                 # "Методические материалы" > "Назад": the settings view is left
keys alt Right Right Right Right Right Right Down Down Down Right Return # > "Отчет" > "Отчет по проведению тестов"
measure test-log

menu 0 1                 # "Содержание" > "Тестирование №1"
measure test
