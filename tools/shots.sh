#!/usr/bin/env bash
# Screenshots of the start screen, its quiz-set panel, both boards, the
# editor and its file dialog under Xvfb, in the desktop's language (LANG),
# from a scratch copy of the program's folder with scratch settings:
#   LANG=ko_KR.UTF-8 tools/shots.sh OUT_DIR [PROGRAM]
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
out=${1:?usage: tools/shots.sh OUT_DIR [PROGRAM]}
prog=${2:-$(dirname "$0")/../build/run/domisol}
mkdir -p "$out"
scratch=$(mktemp -d)
cp -a "$(dirname "$prog")" "$scratch/run"
prog=$scratch/run/$(basename "$prog")
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
export DISPLAY=$display
export XDG_CONFIG_HOME=$scratch/config
# The picture dialog opens in the game pictures' folder, the last one "used".
mkdir -p "$XDG_CONFIG_HOME/domisol"
printf '[pictures]\nlastFolder=%s\n' "$scratch/run/img" >"$XDG_CONFIG_HOME/domisol/domisol.ini"
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
    click "$splash" 493 168        # 새로 만들기: asks for the name
    shot "$(window '새 세트 만들기')" set_new
    xdotool key Return             # the name offered: a copy of the set in use
    click "$splash" 493 270        # 지우기 (the new set is selected): asks first
    shot "$(window '퀴즈 세트')" set_delete
    xdotool key Escape
    click "$splash" 493 321        # 내보내기: Qt's file dialog
    shot "$(window '퀴즈 세트 내보내기')" set_export 1.5
    xdotool key Escape
    click "$splash" 493 423        # 닫기
    shot "$splash" start_new_set
  fi
  if [ "$kind" = 1 ]; then click "$splash" 125 360; else click "$splash" 467 362; fi
  board=$(window "도미솔게임 - ${kind}팀용 - .*")
  shot "$board" "board$kind"
  if [ "$kind" = 1 ]; then
    click "$board" 370 710 3   # right click on ball 4: the editor
    editor=$(window '.*게임 문제 입력')
    shot "$editor" editor
    click "$editor" 172 480       # 그림 찾아보기: the picture dialog
    dialog=$(window '열기')
    sleep 1.5
    click "$dialog" 150 95        # the second picture in the list: its preview
    shot "$dialog" picture_dialog
    xdotool key Escape
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
