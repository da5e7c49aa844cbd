#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fixture generators
# need. Safe to run again: only missing packages are installed, and the two
# test locales are generated only when absent.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5opengl5-dev libqt5svg5-dev
  libvtk9-dev libvtk9-qt-dev
  libcereal-dev libzip-dev libliquid-dev libproj-dev proj-bin
  libgtest-dev libgmock-dev libbenchmark-dev libboost-graph-dev
  clang libclang-rt-14-dev
  xvfb xauth libgl1-mesa-dri mesa-utils
  python3 python3-segyio python3-numpy python3-scipy python3-pil
  poppler-utils libreoffice-writer-nogui libxml2-utils fonts-dejavu-core
  qttranslations5-l10n
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Locales used by tests: a 12-hour time locale and a decimal-comma locale.
need_locales=()
for l in en_US.UTF-8 it_IT.UTF-8; do
  norm=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$norm"; then
    need_locales+=("$l")
  fi
done
if [ ${#need_locales[@]} -gt 0 ]; then
  for l in "${need_locales[@]}"; do
    if ! grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null; then
      echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
  done
  $SUDO locale-gen >/dev/null
fi
