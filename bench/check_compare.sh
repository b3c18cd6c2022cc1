#!/bin/sh
# The tag check against "tidy -e -q" (errors and warnings only) on the same
# generated 10 MB Shift-JIS page (the recipe of check_bench.cpp).
#
# Fairness: tidy is timed end to end (process start, reading the file,
# parsing); ours is the in-process scan of check_bench on the same bytes,
# as the check window runs it on the editor's text. Reading 10 MB from the
# page cache adds a few milliseconds to ours. tidy is told the input is
# Shift-JIS. The aim is ours at least 20 times as fast.
#
# Usage: bench/check_compare.sh [build-dir]   (default build-rbench; it is
# configured and built with -DMW_BUILD_BENCH=ON in release mode).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-${MW_BUILD_DIR:-$ROOT/build-rbench}}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

command -v tidy >/dev/null 2>&1 || { echo "tidy is not installed (apt-get install tidy)"; exit 1; }
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON \
  -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target check_bench >/dev/null

python3 - "$WORK/page.html" <<'PY'
import sys
head = ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\r\n'
        '<HTML><HEAD><TITLE>テスト</TITLE></HEAD><BODY>\r\n<TABLE>\r\n').encode('cp932')
block = ('<TR><TD class="name" align="left">表示テスト</TD>'
         '<TD>価格&nbsp;1,000円 &amp; 税&lt;込&gt;</TD></TR>\r\n'
         '<!-- ここは <B> コメント -->\r\n'
         '<P>日本語の文章です。<A HREF="page.html#top"><b>トップへ</b></A><BR>\r\n'
         '\t<IMG src="img/photo.jpg" width="120" height="80" alt="写真">\r\n'
         '<UL><LI>ツア<LI>a > b</UL><FONT color=red>x</I></FONT>\r\n').encode('cp932')
page = bytearray(head)
while len(page) < 10 * 1024 * 1024:
    page += block
page += b'</TABLE>\r\n</BODY></HTML>\r\n'
open(sys.argv[1], 'wb').write(page)
PY
echo "page: $(stat -c %s "$WORK/page.html") bytes Shift-JIS"

echo "--- ours, in-process (median of 3) ---"
MW_CHECK_PAGE="$WORK/page.html" "$BUILD/bench/check_bench" --benchmark_filter='BM_TagCheck$' \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null | grep -E "median"

echo "--- tidy -e -q, end to end ---"
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine --runs 3 -i "tidy -e -q -shiftjis $WORK/page.html"
else
  /usr/bin/time -f "%e s  tidy -e -q -shiftjis" sh -c "tidy -e -q -shiftjis $WORK/page.html >/dev/null 2>&1 || true"
fi
