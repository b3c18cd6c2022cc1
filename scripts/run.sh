#!/usr/bin/env bash
# Installs what is missing, builds the program and starts the editor window
# on the bundled sample site (or on the files given). Without a display it
# says so and shows the command-line tool on the sample instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --run
build=${MW_BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target markupwright markupwright-cli
files=("$@")
[ ${#files[@]} -eq 0 ] && files=(samples/sample.html samples/page2.html samples/sub/notes.html)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/gui/app/markupwright" "${files[@]}"
fi
echo "No display: start '$build/src/gui/app/markupwright ${files[*]}' on a desktop."
echo "Meanwhile, the command-line tool on ${files[*]}:"
"$build/src/cli/markupwright-cli" check "${files[@]}" || true
"$build/src/cli/markupwright-cli" links "${files[@]}" || true
"$build/src/cli/markupwright-cli" edit "${files[0]}" --sel 300 SelectNextTagClick
