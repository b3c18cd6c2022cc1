#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, the libraries they drive
# instrumented for coverage and sanitizers, and runs each target for
# MW_FUZZ_SECONDS (default 20), MW_FUZZ_JOBS at a time (default: the
# cores). Fails on a crash, a leak, a hang, and on a target whose coverage
# does not grow beyond what the empty input reaches: such a target no
# longer reaches the code it is meant to drive.
#
# Seeds: fuzz/corpus/pages (real pages, for every target) and
# fuzz/corpus/<target>. What a run finds is kept in build/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${MW_BUILD_DIR:-build/fuzz}
seconds=${MW_FUZZ_SECONDS:-20}
jobs=${MW_FUZZ_JOBS:-$(nproc)}
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMW_BUILD_FUZZ=ON -DMW_BUILD_TESTS=OFF -DMW_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

logs="$build/logs"
mkdir -p "$logs" "$build/artifacts"
empty=$(mktemp -d)
trap 'rm -rf "$empty"' EXIT

# cov: of the last stats line libFuzzer printed ("#N DONE cov: C ft: F").
stat_of() { grep -o "$2: [0-9]*" "$1" | tail -n 1 | grep -o '[0-9]*' || echo 0; }

run_target() {
  local target=$1 name
  name=$(basename "$target")
  local corpus="$build/corpus/$name" seeds=()
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
  seeds+=(fuzz/corpus/pages)
  # What the empty input alone reaches (and the empty input must pass).
  if ! "$target" -runs=0 -artifact_prefix="$build/artifacts/$name-" "$empty" >"$logs/$name.base" 2>&1; then
    cp "$logs/$name.base" "$logs/$name.log"
    echo failed >"$logs/$name.status"
    return
  fi
  if "$target" -max_total_time="$seconds" -max_len=20000 -timeout=25 -rss_limit_mb=1536 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "$corpus" "${seeds[@]}" \
      >"$logs/$name.log" 2>&1; then
    echo ok >"$logs/$name.status"
  else
    echo failed >"$logs/$name.status"
  fi
}

targets=("$build"/fuzz/*_fuzz)
running=0
for target in "${targets[@]}"; do
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

failed=0
printf '%-18s %8s %8s %8s %10s\n' target base-cov cov ft runs
for target in "${targets[@]}"; do
  name=$(basename "$target")
  log="$logs/$name.log"
  base=$(stat_of "$logs/$name.base" cov)
  cov=$(stat_of "$log" cov)
  ft=$(stat_of "$log" ft)
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || echo 0)
  printf '%-18s %8s %8s %8s %10s\n' "$name" "$base" "$cov" "$ft" "$runs"
  if [ "$(cat "$logs/$name.status")" != ok ]; then
    echo "fuzz: $name failed; its log ends:" >&2
    grep -v '^#[0-9]' "$log" | tail -n 40 >&2
    failed=1
  elif [ "$cov" -le "$base" ]; then
    echo "fuzz: $name: coverage did not grow beyond the empty input's ($cov <= $base)" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] || exit 1
echo "fuzz: no crashes; every target's coverage grew"
