#!/usr/bin/env bash
# Side by side on one 10 MB Shift-JIS page: our conversion (the kanji
# benchmark binary) against nkf -e, nkf -j and iconv CP932 -> EUC-JP.
# Peers are timed with hyperfine when it is installed, reading the page
# from a file and writing to /dev/null; figures are MB/s (1 MB = 2^20 bytes).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MW_BUILD_DIR:-build/bench}
if [ ! -x "$build/bench/kanji_bench" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON -DMW_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target kanji_bench >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page="$work/page.html"
"$build/bench/kanji_bench" --write-page="$page"
mb=$(awk -v b="$(stat -c %s "$page")" 'BEGIN { printf "%.3f", b / 1048576 }')

echo "page: $mb MB"
printf '%-36s %10s\n' "conversion" "MB/s"
"$build/bench/kanji_bench" --benchmark_min_time=1 --benchmark_format=json 2>/dev/null |
  python3 -c '
import json, sys
for b in json.load(sys.stdin)["benchmarks"]:
    print("%-36s %10.1f" % ("markupwright " + b["name"], b["bytes_per_second"] / 1048576))'

peer() {  # name, command reading $page
  local name=$1 cmd=$2 secs
  if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 2 --runs 10 --export-json "$work/h.json" "$cmd" >/dev/null 2>&1 ||
      hyperfine --warmup 2 --runs 10 --export-json "$work/h.json" "$cmd > /dev/null" >/dev/null
    secs=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["mean"])' "$work/h.json")
  else
    local t0 t1
    t0=$(date +%s%N)
    for _ in 1 2 3 4 5; do bash -c "$cmd" >/dev/null; done
    t1=$(date +%s%N)
    secs=$(awk -v d=$((t1 - t0)) 'BEGIN { print d / 5e9 }')
  fi
  awk -v n="$name" -v mb="$mb" -v s="$secs" 'BEGIN { printf "%-36s %10.1f\n", n, mb / s }'
}
peer "nkf -e" "nkf -S -e $page"
peer "nkf -j" "nkf -S -j $page"
peer "iconv -f CP932 -t EUC-JP" "iconv -f CP932 -t EUC-JP $page"
