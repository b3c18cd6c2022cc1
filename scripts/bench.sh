#!/usr/bin/env bash
# Release build of the benchmarks; runs each, then the side-by-side
# comparisons with peer tools (bench/*_compare.sh) and the window's
# whole-program timing (bench/gui/window_settle.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --bench
build=${MW_BUILD_DIR:-build/bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
# Core benchmarks, then the window's (offscreen), then the site checks'.
for b in "$build"/bench/*_bench "$build"/bench/gui/gui_*_bench "$build"/bench/project/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_min_time=0.5
done
# The real window under Xvfb opening big pages, until it settles.
echo "== bench/gui/window_settle.sh"
MW_BUILD_DIR="$build" bash bench/gui/window_settle.sh
for c in bench/*_compare.sh bench/*/*_compare.sh; do
  [ -e "$c" ] || continue
  echo "== $c"
  MW_BUILD_DIR="$build" bash "$c"
done
