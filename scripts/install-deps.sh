#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages of the given group that this machine lacks.
#   scripts/install-deps.sh test   build and test tools
#   scripts/install-deps.sh app    the above plus what the desktop program needs
set -euo pipefail

packages=(cmake g++ ninja-build libgtest-dev libgmock-dev libbenchmark-dev)
if [ "${1:-test}" = "app" ]; then
  packages+=(qt6-base-dev)
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
