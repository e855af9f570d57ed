#!/usr/bin/env bash
# Screenshots of the start screen, its quiz-set panel, both boards and the
# editor under Xvfb (settings in a scratch folder):
#   tools/shots.sh OUT_DIR [PROGRAM]
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
out=${1:?usage: tools/shots.sh OUT_DIR [PROGRAM]}
prog=${2:-$(dirname "$0")/../build/run/domisol}
mkdir -p "$out"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
sleep 1

window() {  # waits for a window named $1, prints its id
  for _ in $(seq 50); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window $1" >&2; return 1
}
click() {  # window x y [button]
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click "${4:-1}"
}
shot() { sleep "${3:-0.8}"; import -window "$1" "$out/$2.png"; }

for kind in 1 2; do
  "$prog" & pid=$!
  splash=$(window " ")
  if [ "$kind" = 1 ]; then
    shot "$splash" start
    click "$splash" 320 260        # the set bar: the set panel
    shot "$splash" sets
    click "$splash" 493 417        # 닫기
  fi
  if [ "$kind" = 1 ]; then click "$splash" 125 360; else click "$splash" 467 362; fi
  board=$(window "도미솔게임 - ${kind}팀용 - .*")
  shot "$board" "board$kind"
  if [ "$kind" = 1 ]; then
    click "$board" 370 710 3   # right click on ball 4: the editor
    editor=$(window '.*게임 문제 입력')
    shot "$editor" editor
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
