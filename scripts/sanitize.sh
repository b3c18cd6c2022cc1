#!/usr/bin/env bash
# The core and command-line tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${MW_BUILD_DIR:-build/asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMW_SANITIZE=ON -DMW_BUILD_TESTS=ON -DMW_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --no-tests=error --output-on-failure -j"$(nproc)" -L '^(core|cli)$'
