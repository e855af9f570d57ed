#!/usr/bin/env bash
# Screenshots of the start screen, its quiz-set panel and dialogs, both boards,
# the editor and its picture dialog under Xvfb, in the desktop's language, from
# a scratch copy of the program's folder with scratch settings:
#   LANG=ko_KR.UTF-8 tools/shots.sh OUT_DIR [PROGRAM]
# Needs Xvfb, xdotool and ImageMagick's import. Set in the environment:
#   SCREEN=WxH   the Xvfb screen (default 1280x1024)
#   FULL=1       the boards start in full screen (under openbox, which resizes
#                windows to full screen on Xvfb)
#   LONG=1       game 1 gets a 200-syllable question and a 60-syllable caption;
#                each board is shot also with the caption revealed and with
#                the question open
#   QT_SCALE_FACTOR=2 as for a HiDPI laptop
set -euo pipefail
out=${1:?usage: tools/shots.sh OUT_DIR [PROGRAM]}
prog=${2:-$(dirname "$0")/../build/run/domisol}
screen=${SCREEN:-1280x1024}
mkdir -p "$out"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
cleanup() { kill ${wm:-} $xvfb 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work/config
# A copy of the run folder: the sets the shots make stay out of build/run.
src=$(cd "$(dirname "$prog")" && pwd)
cp -r "$src" "$work/run"
prog=$work/run/$(basename "$prog")
# The picture dialog opens in the game pictures' folder, the last one "used".
mkdir -p "$XDG_CONFIG_HOME/domisol"
printf '[pictures]\nlastFolder=%s\n' "$work/run/img" >"$XDG_CONFIG_HOME/domisol/domisol.ini"
sleep 1
if [ "${FULL:-0}" = 1 ]; then
  openbox >/dev/null 2>&1 & wm=$!
  mkdir -p "$XDG_CONFIG_HOME/domisol"
  printf '[board]\nfullScreen=true\n' >>"$XDG_CONFIG_HOME/domisol/domisol.ini"
  sleep 1
fi
if [ "${LONG:-0}" = 1 ]; then
  # Game 1 of the copy gets the long texts.
  here=$(cd "$(dirname "$0")/.." && pwd)
  q=""; for i in $(seq 40); do q+="가나다라마 "; done   # 200 syllables in words of five
  c=""; for i in $(seq 12); do c+="하늘바다별 "; done   # 60 syllables
  { for i in $(seq 9); do echo "${q% };답"; done; tail -n +10 "$here/assets/content/quiz.txt"; } >"$work/quiz.txt"
  { echo "1.jpg;${c% }"; tail -n +2 "$here/assets/content/pictures.txt"; } >"$work/pictures.txt"
  rm -f "$work/run/Quiz.qdf" "$work/run/BIP.QDF"
  "$here/build/data/domisol_mkdata" "$work/quiz.txt" "$work/pictures.txt" "$work/run"
fi

window() {  # waits for a window named $1, prints its id
  for _ in $(seq 50); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window $1" >&2; return 1
}
click() {  # window x y [button]: x, y in the window's own pixels (times QT_SCALE_FACTOR)
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local k=${QT_SCALE_FACTOR:-1}
  xdotool mousemove $((X + $2 * k)) $((Y + $3 * k)) click "${4:-1}"
}
# A click at design point x y of a board window: through the board's scale.
boardclick() {  # window x y [button]
  eval "$(xdotool getwindowgeometry --shell "$1")"
  read -r bx by < <(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$2" -v y="$3" 'BEGIN {
    f = w / 1024; if (h / 768 < f) f = h / 768
    ox = int((w - int(1024 * f + 0.5)) / 2); oy = int((h - int(768 * f + 0.5)) / 2)
    printf "%d %d\n", ox + x * f, oy + y * f }')
  xdotool mousemove $((X + bx)) $((Y + by)) click "${4:-1}"
}
shot() { sleep "${3:-0.8}"; import -window "$1" "$out/$2.png"; }

open_board() {  # kind: starts the program and opens that board; sets pid, board
  "$prog" & pid=$!
  splash=$(window " ")
  [ "$1" = 1 ] && [ ! -e "$out/start.png" ] && shot "$splash" start && set_panel_shots
  if [ "$1" = 1 ]; then click "$splash" 125 360; else click "$splash" 467 362; fi
  board=$(window "도미솔게임 - ${1}팀용 - .*")
}
set_panel_shots() {
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
}
close_board() { kill "$pid"; wait "$pid" 2>/dev/null || true; }

rm -f "$out/start.png"
for kind in 1 2; do
  open_board "$kind"
  shot "$board" "board$kind" 1.5
  if [ "${LONG:-0}" = 1 ]; then
    boardclick "$board" 891 481             # 정 답: the whole picture and its caption
    shot "$board" "board$kind-caption"
    close_board
    open_board "$kind"
    sleep 1.5
    boardclick "$board" 891 401             # 시 작
    [ "$kind" = 2 ] && { sleep 0.5; boardclick "$board" 284 362; }  # red team begins
    sleep 0.5; boardclick "$board" 157 139  # tile 1: its question
    shot "$board" "board$kind-question" 1
  fi
  if [ "$kind" = 1 ] && [ "${FULL:-0}" != 1 ]; then
    click "$board" 370 710 3   # right click on ball 4: the editor
    editor=$(window '.*게임 문제 입력.*')
    shot "$editor" editor
    click "$editor" 172 480       # 그림 찾아보기: the picture dialog
    dialog=$(window '열기')
    sleep 1.5
    click "$dialog" 150 95        # the second picture in the list: its preview
    shot "$dialog" picture_dialog
    xdotool key Escape
  fi
  close_board
done
