#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one briefly
# (MW_FUZZ_SECONDS, default 20). Crashes fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${MW_BUILD_DIR:-build/fuzz}
seconds=${MW_FUZZ_SECONDS:-20}
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMW_BUILD_FUZZ=ON -DMW_BUILD_TESTS=OFF -DMW_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
for target in "$build"/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  # Seed with the fixtures and samples so the run starts from real pages.
  find tests/fixtures samples -type f -size -64k -exec cp -n {} "$corpus"/ \; 2>/dev/null || true
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=20000 -print_final_stats=0 "$corpus" \
    -artifact_prefix="$build/" 2>&1 | tail -n 3
done
echo "fuzz: no crashes"
