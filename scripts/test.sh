#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings on, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${MW_BUILD_DIR:-build/test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMW_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --no-tests=error --output-on-failure -j"$(nproc)"
