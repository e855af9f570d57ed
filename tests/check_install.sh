#!/usr/bin/env bash
# The installed tree, for the package's prefix and for one user's: files where
# the desktop looks for them, a valid menu entry and AppStream data, and a
# reinstall that keeps a teacher's saved games.
# Usage: check_install.sh CMAKE BUILD_DIR WORK_DIR
set -euo pipefail
cmake=$1 build=$2 work=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
install_to() { DESTDIR=$work/root "$cmake" --install "$build" --prefix "$1" >/dev/null; }

# prefix | the Exec line the menu entry must carry
for row in '/usr|domisol' '/home/teacher/.local|"/home/teacher/.local/bin/domisol"'; do
  prefix=${row%%|*} exec=${row#*|}
  rm -rf "$work/root"
  install_to "$prefix"
  top=$work/root$prefix
  echo "== prefix $prefix"

  for f in lib/domisol/domisol lib/domisol/Quiz.qdf lib/domisol/BIP.QDF lib/domisol/img/10.jpg \
           lib/domisol/h2gtre.ttf lib/domisol/HMFMPYUN.TTF lib/domisol/applous.WAV \
           share/applications/domisol.desktop share/icons/hicolor/scalable/apps/domisol.svg; do
    [ -f "$top/$f" ] || fail "$f not installed"
  done
  [ -x "$top/lib/domisol/domisol" ] || fail "the program is not executable"
  [ "$(readlink "$top/bin/domisol")" = ../lib/domisol/domisol ] || fail "bin/domisol is not a link to the program"
  [ "$(readlink -f "$top/bin/domisol")" = "$(readlink -f "$top/lib/domisol/domisol")" ] || fail "bin/domisol dangles"
  for s in 16 22 24 32 48 64 128 256; do
    png=$top/share/icons/hicolor/${s}x$s/apps/domisol.png
    file "$png" | grep -q "PNG image data, $s x $s," || fail "icon ${s}x$s: $(file "$png")"
  done

  desktop=$top/share/applications/domisol.desktop
  grep -qxF "Exec=$exec" "$desktop" || fail "menu entry: $(grep ^Exec= "$desktop"), want Exec=$exec"
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
  ! grep -E 'error|warning' <<<"$out" || fail "desktop-file-validate complains"
  metainfo=("$top"/share/metainfo/*.metainfo.xml)
  [ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "want one metainfo file: ${metainfo[*]}"
  appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli validate"
done

echo "== a reinstall keeps the saved games and adds what is missing"
lib=$work/root/home/teacher/.local/lib/domisol
echo saved > "$lib/Quiz.qdf"
echo saved > "$lib/img/3.jpg"
rm "$lib/BIP.QDF" "$lib/img/4.jpg"
install_to /home/teacher/.local
[ "$(cat "$lib/Quiz.qdf")" = saved ] || fail "a reinstall replaced Quiz.qdf"
[ "$(cat "$lib/img/3.jpg")" = saved ] || fail "a reinstall replaced img/3.jpg"
[ -s "$lib/BIP.QDF" ] && [ -s "$lib/img/4.jpg" ] || fail "a reinstall did not bring back missing defaults"
echo OK
