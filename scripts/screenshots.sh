#!/usr/bin/env bash
# scripts/screenshots.sh OUT: pictures of Brelix for the user guide. Builds the release program, runs it
# under a virtual X server (Xvfb) on every example document, and writes into OUT the whole screen,
# the main window with each page of components in front, and each document window, as PNG files.
# Not part of the test command.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/screenshots.sh OUT" >&2
  exit 2
fi
raiz="$(cd "$(dirname "$0")/.." && pwd)"
saida="$(mkdir -p "$1" && cd "$1" && pwd)"
cd "$raiz"

scripts/install-deps.sh build
missing=()
for p in xvfb xauth openbox; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELIX_TESTS=OFF -DBRELIX_BENCHMARKS=OFF
cmake --build build/release --parallel "$(nproc)" --target brelix

# A configuration folder of its own, so that the user's recent files and options stay untouched.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
# The motor's transfer function, so that its window is pictured too.
cmake --build build/release --parallel "$(nproc)" --target brelix-cli
build/release/src/cli/brelix-cli ft examples/motor-cc.sis --input "E(Va)" --output "E(J_J)" \
  -o "$config/motor-cc.fts" >/dev/null
# A small window manager (openbox) gives the windows their title bars, as on a desktop.
XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  exec "$@"' brelix build/release/src/gui/brelix --capturas "$saida" \
  examples/*.sis examples/*.grf examples/*.dfs "$config/motor-cc.fts"
ls "$saida"
