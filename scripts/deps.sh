#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need,
# only when some are missing. Runs as root, or through sudo when available.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  nkf unrtf
  qt6-base-dev qt6-qpa-plugins libqscintilla2-qt6-dev libgl-dev
  qt6-image-formats-plugins libqt6svg6
)
# The benchmarks also time peer tools side by side with ours.
if [ "${1:-}" = "--bench" ]; then
  packages+=(hyperfine highlight python3-pygments tidy linkchecker)
  # The whole window timed on a virtual display, with the Japanese font.
  packages+=(xvfb openbox x11-utils fonts-noto-cjk)
fi
# The window needs a Japanese font to show the documents.
if [ "${1:-}" = "--run" ]; then
  packages+=(fonts-noto-cjk)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
