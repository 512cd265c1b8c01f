#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts Brelix.
# The desktop window is not built yet: this starts brelix-cli, with the given arguments, or, without
# arguments, on the series RLC example so that the whole analysis can be seen at once.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRELIX_TESTS=OFF -DBRELIX_BENCHMARKS=OFF
cmake --build build/release --parallel "$(nproc)" --target brelix-cli

cli=build/release/src/cli/brelix-cli
if [ $# -gt 0 ]; then
  exec "$cli" "$@"
fi
exec "$cli" ft examples/serie-rlc.sis --input "E(Vs)" --output "E(C1)" --set R1=2 --set C1=0,5
