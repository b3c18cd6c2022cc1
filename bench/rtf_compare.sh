#!/bin/sh
# Colouring HTML as RTF: ours against highlight and pygmentize on the same
# generated 10 MB Shift-JIS page (the recipe of rtf_bench.cpp).
#
# Fairness: ours reads the Shift-JIS bytes as they are. highlight reads
# bytes too and is given the Shift-JIS file with "-u shift_jis" (it only
# names the encoding in its output). pygmentize decodes its input, so it
# gets the same page converted to UTF-8 (with -f rtf it writes \uN
# escapes for the Japanese characters). Every tool reads a file and
# writes RTF to a file, timed end to end (process start included) by
# hyperfine, or by /usr/bin/time when hyperfine is missing.
#
# Usage: bench/rtf_compare.sh [build-dir]   (default build-rbench; it is
# configured and built with -DMW_BUILD_BENCH=ON in release mode).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-${MW_BUILD_DIR:-$ROOT/build-rbench}}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON \
  -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target markupwright-cli rtf_bench >/dev/null

python3 - "$WORK/page.html" <<'EOF'
import sys
block = ('<TR><TD class="name" align="left">表示テスト</TD>'
         '<TD>価格&nbsp;1,000円 &amp; 税&lt;込&gt;</TD></TR>\r\n'
         '<!-- ここはコメント -->\r\n'
         '<P>日本語の文章です。<A HREF="page.html#top">トップへ</A><BR>\r\n'
         '\t<IMG src="img/photo.jpg" width="120" height="80" alt="写真">\r\n').encode('shift_jis')
page = bytearray('<HTML><HEAD><TITLE>テスト</TITLE></HEAD><BODY>\r\n<TABLE>\r\n'.encode('shift_jis'))
long_line = ('<B>太字</B> ' * 300).encode('shift_jis') + b'\r\n'
n = 0
while len(page) < 10 * 1024 * 1024:
    page += block
    if n % 500 == 0:
        page += long_line
    n += 1
page += b'</TABLE>\r\n</BODY></HTML>\r\n'
open(sys.argv[1], 'wb').write(page)
EOF
iconv -f SHIFT_JIS -t UTF-8 "$WORK/page.html" > "$WORK/page.utf8.html"
SIZE=$(stat -c %s "$WORK/page.html")
echo "page: $SIZE bytes Shift-JIS ($(stat -c %s "$WORK/page.utf8.html") bytes as UTF-8)"

OURS="$BUILD/src/cli/markupwright-cli rtf $WORK/page.html > $WORK/ours.rtf"
HL="highlight -S html -O rtf -u shift_jis -i $WORK/page.html -o $WORK/hl.rtf"
PY="pygmentize -l html -f rtf -o $WORK/py.rtf $WORK/page.utf8.html"

echo "--- in-process (Google Benchmark, the same page) ---"
MW_RTF_PAGE="$WORK/page.html" "$BUILD/bench/rtf_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E "median"

echo "--- end to end ---"
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine --warmup 1 --runs 3 --export-json "$WORK/times.json" \
    -n ours "$OURS" -n highlight "$HL" -n pygmentize "$PY" >/dev/null
  python3 -c '
import json, sys
mb = int(sys.argv[2]) / 1048576
results = json.load(open(sys.argv[1]))["results"]
ours = results[0]["mean"]
for r in results:
    print("%-11s %8.3f s  %7.1f MB/s  ours is %.1fx as fast" % (
        r["command"], r["mean"], mb / r["mean"], r["mean"] / ours))
' "$WORK/times.json" "$SIZE"
else
  for cmd in "$OURS" "$HL" "$PY"; do
    /usr/bin/time -f "%e s  $cmd" sh -c "$cmd"
  done
fi
ls -l "$WORK"/*.rtf | awk '{ print $5, $9 }'
