#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test, package and run, skipping what is
# there. dpkg-dev (with file) reads the packages' dependencies from the binaries;
# desktop-file-utils and appstream validate the desktop entry and the metadata.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6
    qt6-websockets-dev libqrencode-dev qt6-l10n-tools qt6-translations-l10n
    libjpeg62-turbo-dev
    libgtest-dev libgmock-dev
    xvfb xauth xdotool imagemagick x11-utils
    fonts-dejavu-core
    dpkg-dev file desktop-file-utils appstream
    openssl
    chromium
)
if [ "${PICTOVA_FUZZ:-}" = "1" ]; then
    packages+=(clang libclang-rt-dev)
fi
if [ "${PICTOVA_FORMAT:-}" = "1" ]; then
    packages+=(clang-format git)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests drive Debian's Chromium with puppeteer-core, pinned in tests/web/package-lock.json;
# it never downloads a browser of its own.
if ! command -v node >/dev/null; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends nodejs npm
fi
web_tests="$(dirname "$0")/../tests/web"
if [ ! -d "$web_tests/node_modules" ]; then
    (cd "$web_tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi
