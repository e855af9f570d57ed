#!/usr/bin/env bash
# The Debian package: computed Depends, every file under /usr at its place, the
# program stripped, and the default games written from the sources, not the
# run folder's copies that a teacher may have edited.
# Usage: check_deb.sh CPACK BUILD_DIR WORK_DIR MKDATA CONTENT_DIR
set -euo pipefail
cpack=$1 build=$2 work=$3 mkdata=$4 content=$5
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work.log" 2>&1 || { cat "$work.log"; fail cpack; }
deb=$(ls "$work"/domisol_*.deb)
echo "== $deb"
dpkg-deb -f "$deb" Package Version Depends

depends=$(dpkg-deb -f "$deb" Depends)
for d in qt6-translations-l10n libqt6widgets6 libqt6multimedia6 libqt6gui6 libhangul1 libzip4 libc6; do
  grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d: $depends"
done

listing=$(dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
for p in ./usr/lib/domisol/domisol ./usr/lib/domisol/libdomisol_sound.so ./usr/lib/domisol/Quiz.qdf ./usr/lib/domisol/BIP.QDF \
         ./usr/lib/domisol/img/1.jpg ./usr/lib/domisol/timer.wav ./usr/lib/domisol/FONTS-LICENSE.txt \
         './usr/bin/domisol -> ../lib/domisol/domisol' ./usr/share/applications/domisol.desktop \
         ./usr/share/icons/hicolor/16x16/apps/domisol.png ./usr/share/icons/hicolor/256x256/apps/domisol.png \
         ./usr/share/icons/hicolor/scalable/apps/domisol.svg; do
  grep -qxF "$p" <<<"$listing" || fail "the package lacks $p"
done
grep -qE '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$listing" || fail "the package lacks the metainfo file"
! grep -vE '^\./(usr(/.*)?)?$' <<<"$listing" || fail "files outside /usr"

dpkg-deb -x "$deb" "$work/x"
file "$work/x/usr/lib/domisol/domisol" | grep -q ', stripped' || fail "the program is not stripped"
mkdir "$work/fresh"
"$mkdata" "$content/quiz.txt" "$content/pictures.txt" "$work/fresh"
for f in Quiz.qdf BIP.QDF; do
  cmp "$work/fresh/$f" "$work/x/usr/lib/domisol/$f" || fail "$f in the package is not the default"
done
[ "$(ls "$work/x/usr/lib/domisol/img" | sort -n | tr '\n' ' ')" = "1.jpg 2.jpg 3.jpg 4.jpg 5.jpg 6.jpg 7.jpg 8.jpg 9.jpg 10.jpg " ] \
  || fail "img/ in the package: $(ls "$work/x/usr/lib/domisol/img")"
echo OK
