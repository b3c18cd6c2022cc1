#!/usr/bin/env bash
# The real window under Xvfb + openbox opening a 10 MB and a 50 MB Shift-JIS
# page given on its command line: seconds from start until it settles (the
# last CPU it used before half a second without any), and its resident
# memory then above an empty window's, as a multiple of the file's size,
# and the CPU time it used until then (steadier than the wall time when
# others share the cores).
# Best of MW_SETTLE_RUNS runs (3), since the machine's cores are shared.
# Usage: window_settle.sh [MB ...]   (MW_BUILD_DIR, MW_BENCH_DISPLAY)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${MW_BUILD_DIR:-build/bench}
display=${MW_BENCH_DISPLAY:-:12}
runs=${MW_SETTLE_RUNS:-3}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10 50)
program="$build/src/gui/app/markupwright"
[ -x "$program" ] || program=$(find "$build" -name markupwright -type f -perm -u+x | head -n1)
[ -x "$program" ] || { echo "window_settle: no markupwright in $build" >&2; exit 2; }
writer="$build/bench/gui/written_page"
[ -x "$writer" ] || { echo "window_settle: no written_page in $build" >&2; exit 2; }

work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=$display
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
  started+=($!)
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  started+=($!)
  sleep 0.5
fi

# The benchmarks' written page: rows and paragraphs of varied Japanese.
page() { "$writer" "$1" "$2"; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

# Starts the window (with a file, or none), waits until it settles; prints
# "seconds rss_kb cpu_seconds". Each run has its own program folder (its settings) and
# runtime folder (its single-instance socket).
settle() {
  local run="$work/run.$RANDOM" pid start now last cpu prev
  mkdir -p "$run/rt"
  chmod 700 "$run/rt"
  cp "$program" "$run/markupwright"
  start=$EPOCHREALTIME
  XDG_RUNTIME_DIR="$run/rt" HOME="$run" "$run/markupwright" "$@" >/dev/null 2>&1 &
  pid=$!
  last=$start prev=-1
  while kill -0 "$pid" 2>/dev/null; do
    cpu=$(ticks "$pid")
    now=$EPOCHREALTIME
    if [ "$cpu" != "$prev" ]; then
      prev=$cpu last=$now
    elif awk -v a="$now" -v b="$last" 'BEGIN {exit !(a - b >= 0.5)}'; then
      break
    fi
    sleep 0.02
  done
  local rss
  rss=$(rss_kb "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v a="$last" -v b="$start" -v r="$rss" -v c="$prev" -v hz="$(getconf CLK_TCK)" \
    'BEGIN {printf "%.2f %d %.2f\n", a - b, r, c / hz}'
  rm -rf "$run"
}

best() { sort -n | head -n1; }

empty_kb=$(for _ in $(seq "$runs"); do settle | awk '{print $2}'; done | best)
echo "empty window: ${empty_kb} kB resident"
for mb in "${sizes[@]}"; do
  file="$work/page_${mb}mb.html"
  page "$mb" "$file"
  bytes=$(stat -c %s "$file")
  results=$(for _ in $(seq "$runs"); do settle "$file"; done)
  secs=$(echo "$results" | awk '{print $1}' | best)
  median=$(echo "$results" | awk '{print $1}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  rss=$(echo "$results" | awk '{print $2}' | best)
  cpu=$(echo "$results" | awk '{print $3}' | best)
  awk -v mb="$mb" -v s="$secs" -v m="$median" -v r="$rss" -v e="$empty_kb" -v n="$bytes" -v k="$runs" -v c="$cpu" \
    'BEGIN {printf "%d MB page: settled after %.2f s (best of %d, median %.2f s), %.2f s CPU, memory above empty %.2f x file\n", mb, s, k, m, c, (r - e) * 1024 / n}'
  rm -f "$file"
done
