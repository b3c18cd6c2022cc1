#!/bin/sh
# markupwright-cli grep -r against "grep -rni" on the same generated 100 MB
# tree of Shift-JIS pages (20 folders of 50 pages of 100 KB, the recipe of
# project_bench). Both are timed end to end, as processes, with the tree in
# the page cache (one warm-up run each first). grep is told the same case
# rule (-i) and file filter (--include for the HTML extensions); it knows
# nothing of Shift-JIS, so it may match from the second byte of a
# character, which ours never does.
#
# Usage: bench/project/grep_compare.sh [build-dir]   (default build-rbench).
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-${MW_BUILD_DIR:-$ROOT/build-rbench}}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON \
  -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target markupwright-cli >/dev/null
CLI="$BUILD/src/cli/markupwright-cli"

python3 - "$WORK/site" <<'PY'
import os, sys
root = sys.argv[1]
line = ('<TR><TD class="name">表示テスト C:\\dir\\file</TD><TD>価格 1,000円</TD></TR>').encode('cp932')
block = b''
for i in range(100):
    block += line + (b' <A HREF="target.html">' if i == 50 else b'') + b'\r\n'
page = b''
while len(page) < 100 * 1024:
    page += block
for f in range(20):
    d = os.path.join(root, 'd%d' % f)
    os.makedirs(d)
    for i in range(50):
        open(os.path.join(d, 'p%d.html' % i), 'wb').write(page)
PY
echo "tree: $(du -sb "$WORK/site" | cut -f1) bytes in $(find "$WORK/site" -type f | wc -l) files"

run() {  # label, command...
  label=$1; shift
  "$@" >/dev/null 2>&1 || true
  start=$(date +%s.%N)
  for i in 1 2 3; do "$@" >"$WORK/out" 2>/dev/null || true; done
  end=$(date +%s.%N)
  echo "$label: $(echo "($end - $start) / 3 * 1000" | bc -l | cut -d. -f1) ms, $(wc -l <"$WORK/out") rows"
}
run "markupwright-cli grep -r" "$CLI" grep -r 'href="TARGET' "$WORK/site"
run "LC_ALL=C grep -rnia --include" env LC_ALL=C grep -rnia --include='*.html' --include='*.htm' 'href="TARGET' "$WORK/site"

# One 50 MB page: the same lines, searched for a rare text and for one on
# every line, with and without letter case, against grep -a -n.
python3 - "$WORK/big.html" <<'PY'
import sys
line = ('<TR><TD class="name">表示テスト C:\\dir\\file</TD><TD>価格 1,000円</TD></TR>').encode('cp932')
block = b''
for i in range(100):
    block += line + (b' <A HREF="target.html">' if i == 50 else b'') + b'\r\n'
out = open(sys.argv[1], 'wb')
size = 0
while size < 50 * 1024 * 1024:
    out.write(block)
    size += len(block)
PY
echo "page: $(stat -c %s "$WORK/big.html") bytes"
for text in 'HREF="target' '価格'; do
  run "markupwright-cli grep --case $text" "$CLI" grep --case "$text" "$WORK/big.html"
  run "LC_ALL=C grep -an $text" env LC_ALL=C grep -an "$(printf %s "$text" | iconv -f UTF-8 -t CP932)" "$WORK/big.html"
  run "markupwright-cli grep $text" "$CLI" grep "$text" "$WORK/big.html"
  run "LC_ALL=C grep -ani $text" env LC_ALL=C grep -ani "$(printf %s "$text" | iconv -f UTF-8 -t CP932)" "$WORK/big.html"
done
