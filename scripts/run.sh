#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it on the bundled
# sample document: for now the command-line tool shows its RTF colouring,
# a conversion to EUC-JP and back, and the width conversions.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${MW_BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target markupwright-cli
cli="$build/src/cli/markupwright-cli"
sample=samples/sample.html
if [ $# -gt 0 ]; then exec "$cli" "$@"; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "== markupwright-cli rtf $sample"
"$cli" rtf "$sample" | head -c 1200; echo; echo "..."
echo "== convert to EUC-JP and back to Shift-JIS (half-width kana become full-width, as with nkf)"
"$cli" convert --to e --output "$work/euc.html" "$sample"
"$cli" convert --to s --output "$work/back.html" "$work/euc.html"
diff <(iconv -f CP932 -t UTF-8 "$sample") <(iconv -f CP932 -t UTF-8 "$work/back.html") || true
echo "== hankaku (full-width letters to half-width), as UTF-8:"
"$cli" hankaku "$sample" | iconv -f CP932 -t UTF-8 | sed -n '/<P>/,$p' | head -5
