#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Brelix with the files given (documents
# .sis, .grf, .dfs or a transfer function .fts), e.g. scripts/start.sh examples/serie-rlc.sis
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELIX_TESTS=OFF -DBRELIX_BENCHMARKS=OFF
cmake --build build/release --parallel "$(nproc)" --target brelix

# Brelix is a desktop program: without a screen there is nothing to show it on.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
brelix: no display found ($DISPLAY and $WAYLAND_DISPLAY are empty).
Brelix is a desktop program and needs a screen. On a machine without one, run it on a virtual
screen (Debian packages xvfb and xauth):

    xvfb-run -a -s "-screen 0 1280x800x24" scripts/start.sh [FILE...]

brelix-cli runs every analysis without a screen (see the README).
MSG
  exit 1
fi

exec build/release/src/gui/brelix "$@"
