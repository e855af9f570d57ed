#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the game need, if missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins
  libhangul-dev libgif-dev libzip-dev fonts-nanum fonts-nanum-extra
  xvfb xauth xdotool x11-utils openbox
  qt6-translations-l10n desktop-file-utils appstream dpkg-dev file
  zlib1g-dev clang libclang-rt-14-dev xxd
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi
