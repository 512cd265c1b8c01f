#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages of the given group that this machine lacks.
#   scripts/install-deps.sh build  what building the programs needs
#   scripts/install-deps.sh test   the above plus the test and benchmark libraries
set -euo pipefail

# Qt 6 for the desktop program; its display tests run on Qt's offscreen platform, which needs only a
# font to draw labels with.
packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev fonts-dejavu-core)
if [ "${1:-test}" = "test" ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
