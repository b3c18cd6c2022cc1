#!/bin/sh
# markupwright-cli links against linkchecker (local files only) on the same
# sites: an HTML manual from /usr/share/doc converted to Shift-JIS, a
# generated site of 2,000 Shift-JIS pages with Japanese file names, and a
# small page of cases where the two judge by different rules. Both are
# timed end to end, as processes, with the files in the page cache (one
# warm-up run each first); the ratio is linkchecker's time over ours.
#
# linkchecker follows links from a start page and judges what it reaches;
# ours reads every page of the folder and judges every HREF, SRC and url()
# value in it. linkchecker's anchor check is switched on so that both look
# at "#" parts.
#
# Usage: bench/project/links_compare.sh [build-dir] [manual-folder]
#   build-dir      default build-rbench (configured Release here)
#   manual-folder  default /usr/share/doc/valgrind/html
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-${MW_BUILD_DIR:-$ROOT/build-rbench}}
MANUAL=${2:-/usr/share/doc/valgrind/html}
PAGES=${MW_LINKS_PAGES:-2000}
command -v linkchecker >/dev/null || { echo "linkchecker is not installed (scripts/deps.sh --bench)"; exit 2; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_BENCH=ON \
  -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target markupwright-cli >/dev/null
CLI="$BUILD/src/cli/markupwright-cli"

# The manual, every page converted to Shift-JIS (characters Shift-JIS lacks
# are approximated) and its declared charset with it.
mkdir -p "$WORK/manual"
cp -r "$MANUAL"/. "$WORK/manual/"
find "$WORK/manual" -name '*.html' | while read -r f; do
  iconv -f UTF-8 -t SHIFT_JIS//TRANSLIT "$f" 2>/dev/null |
    sed 's/charset=[A-Za-z0-9_-]*/charset=Shift_JIS/I' >"$f.sjis" || cp "$f" "$f.sjis"
  mv "$f.sjis" "$f"
done

python3 - "$WORK" "$PAGES" <<'PY'
import os, sys
work, pages = sys.argv[1], int(sys.argv[2])
head = '<HTML><HEAD><META http-equiv="Content-Type" content="text/html; charset=Shift_JIS">'
def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    open(path, 'wb').write(text.encode('cp932'))

# A generated site: 20 folders (every other one with a Japanese name), each
# page linking to the next and the previous page with a marker, to the
# top page, to a picture, and every tenth page to a missing file.
site = os.path.join(work, 'site')
folders = ['d%d' % i if i % 2 == 0 else '章%d' % i for i in range(20)]
per = pages // len(folders)
names = [(folders[i // per], '頁%d.html' % i if i % 3 == 0 else 'p%d.html' % i) for i in range(pages)]
write(os.path.join(site, 'index.html'), head + '<TITLE>索引</TITLE></HEAD><BODY>\r\n' +
      ''.join('<A HREF="%s/%s">%d</A>\r\n' % (d, n, i) for i, (d, n) in enumerate(names)) + '</BODY></HTML>\r\n')
write(os.path.join(site, 'img', '図.png'), '')
for i, (d, n) in enumerate(names):
    nd, nn = names[(i + 1) % pages]
    pd, pn = names[i - 1]
    body = ['<A NAME="top">表示テスト</A> 第%d頁\r\n' % i,
            '<A HREF="../%s/%s">次へ</A> <A HREF="../%s/%s#top">前へ</A>\r\n' % (nd, nn, pd, pn),
            '<A HREF="../index.html">索引</A> <IMG SRC="../img/図.png" ALT="図">\r\n']
    if i % 10 == 0:
        body.append('<A HREF="gone%d.html">無し</A>\r\n' % i)
    body.append('<P>ソフトウェアの表示 C:\\dir\\file 1,000円</P>\r\n' * 20)
    write(os.path.join(site, d, n), head + '<TITLE>%d</TITLE></HEAD><BODY>\r\n' % i + ''.join(body) + '</BODY></HTML>\r\n')

# The cases: one link a line, named so the two reports can be read side by side.
cases = os.path.join(work, 'cases')
write(os.path.join(cases, 'target.html'), head + '</HEAD><BODY><A NAME="byname">n</A> <H2 id="byid">i</H2>'
      '<a name=\'single\'>s</a></BODY></HTML>\r\n')
write(os.path.join(cases, '表.html'), head + '</HEAD><BODY>表</BODY></HTML>\r\n')
write(os.path.join(cases, 'sub', 'index.html'), head + '</HEAD><BODY>sub</BODY></HTML>\r\n')
links = ['target.html', 'Target.html', 'target.html?a=1', 'target.html#byname', 'target.html#byid',
         'target.html#single', 'target.html#none', '表.html', '%E8%A1%A8.html', '%95%5C.html',
         'sub/', 'sub', 'sub/index.html', 'missing.html', 'mailto:someone@example.com',
         'http://example.com/', 'file:target.html', '']
write(os.path.join(cases, 'index.html'), head + '</HEAD><BODY>\r\n' +
      ''.join('<A HREF="%s">%d</A>\r\n' % (l, k) for k, l in enumerate(links)) +
      '<A\r\nHREF="missing-after-line-break.html">x</A>\r\n</BODY></HTML>\r\n')
PY
chmod -R a+rX "$WORK"  # linkchecker run as root reads as nobody

cat >"$WORK/linkcheckerrc" <<'RC'
[AnchorCheck]
RC

ms() { echo "($2 - $1) * 1000" | bc -l | cut -d. -f1; }
# times "label" "command..." → prints the mean of 3 runs in ms, leaves output in $WORK/out
timed() {
  label=$1; shift
  "$@" >/dev/null 2>&1 || true
  start=$(date +%s.%N)
  for i in 1 2 3; do "$@" >"$WORK/out" 2>/dev/null || true; done
  end=$(date +%s.%N)
  echo "($end - $start) / 3 * 1000" | bc -l | cut -d. -f1
}
lc() {  # linkchecker over a start file, anchors checked, CSV of every URL
  linkchecker -f "$WORK/linkcheckerrc" --no-status --no-robots --verbose -o csv "file://$1"
}

compare() {  # label folder start-page
  ours_ms=$(timed ours "$CLI" links --tsv "$2")
  ours_values=$(wc -l <"$WORK/out")
  ours_broken=$(awk -F'\t' '$4=="broken"' "$WORK/out" | wc -l)
  lc_ms=$(timed linkchecker lc "$3")
  lc_urls=$(grep -vc '^#' "$WORK/out" || true)
  lc_bad=$(awk -F';' '$7=="False"' "$WORK/out" | wc -l)
  echo "$1: $(find "$2" -name '*.html' | wc -l) pages"
  echo "  markupwright-cli links: ${ours_ms} ms, ${ours_values} values, ${ours_broken} broken"
  echo "  linkchecker:            ${lc_ms} ms, $((lc_urls - 1)) URLs, ${lc_bad} invalid"
  echo "  ratio linkchecker/ours: $(echo "scale=1; $lc_ms / ($ours_ms + 0.5)" | bc -l)"
}

compare "manual $(basename "$(dirname "$MANUAL")")" "$WORK/manual" "$WORK/manual/index.html"
compare "generated site" "$WORK/site" "$WORK/site/index.html"

echo "cases (value: ours | linkchecker):"
"$CLI" links --tsv "$WORK/cases/index.html" "$WORK/cases/target.html" >"$WORK/ours.tsv" || true
lc "$WORK/cases/index.html" >"$WORK/lc.csv" 2>/dev/null || true
python3 - "$WORK" <<'PY'
import csv, sys
work = sys.argv[1]
ours = {}
for line in open(work + '/ours.tsv', encoding='utf-8', errors='replace'):
    f = line.rstrip('\n').split('\t')
    if f[0].endswith('/index.html') and f[1] == 'HREF':
        ours.setdefault(f[2], f[3])
theirs = {}
rows = [l for l in open(work + '/lc.csv', encoding='utf-8', errors='replace') if not l.startswith('#')]
for r in csv.DictReader(rows, delimiter=';'):
    if r['parentname'].endswith('/cases/index.html'):
        verdict = 'valid' if r['valid'] == 'True' else 'invalid'
        note = (r['result'] or r['warningstring'] or r['infostring'])[:70]
        theirs.setdefault(r['urlname'], verdict + (': ' + note if note else ''))
# linkchecker reports a URL once: a value that names the same file as an
# earlier one (a query dropped, "sub" for "sub/", the page itself for "")
# has no row of its own.
for v in list(ours) + [u for u in theirs if u not in ours]:
    shown = v if v in ours else '(' + v + ')'
    print('  %-34s %-10s | %s' % (shown, ours.get(v, '-'), theirs.get(v, 'same URL as another, reported once')))
PY
