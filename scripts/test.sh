#!/usr/bin/env bash
# Installs what is missing, builds the debug build with AddressSanitizer, UndefinedBehaviorSanitizer
# and warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DBRELIX_SANITIZE=ON -DBRELIX_WERROR=ON -DBRELIX_TESTS=ON
cmake --build build/test --parallel "$(nproc)"
ctest --test-dir build/test --output-on-failure --parallel "$(nproc)" --timeout 900
