#!/bin/sh
# Installs everything Quorvane needs to build, test and run on Debian 12.
# Run as root (or through sudo). Safe to run more than once.
set -eu
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
PKGS="build-essential cmake ninja-build pkg-config git \
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite sqlite3 libqt6sql6-psql postgresql libqt6serialport6-dev qt6-tools-dev-tools \
  libqcustomplot-dev libgl-dev \
  qt6-qpa-plugins libqt6svg6 qt6-translations-l10n \
  xvfb xauth fonts-dejavu-core clang-format \
  clang libclang-rt-14-dev mold poppler-utils dpkg-dev python3 tzdata qt6-svg-dev"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
