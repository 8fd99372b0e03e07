#!/usr/bin/env bash
# Installs the Debian packages Pennibar needs to build, run and test.
# Runs apt-get update only when something is missing, so a prepared machine starts at once.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite
    # The register reads its outline through SQLite's own interface on Qt's connection.
    libsqlite3-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins
    # The reports draw their charts with Qt Charts; Debian's CMake package of it needs the
    # OpenGL one without depending on it.
    qt6-charts-dev libqt6opengl6-dev
    libgl-dev
    sqlite3 unzip xvfb xauth
    # The Japanese translation needs a CJK font.
    fonts-noto-cjk
    # Backup archives are written and read with libzip (found through pkg-config, below).
    libzip-dev
    # The update library's tests serve releases from 127.0.0.1; Debian's Qt HTTP Server
    # CMake package needs the WebSockets one without depending on it.
    qt6-httpserver-dev qt6-websockets-dev
    # The account library keeps sign-in tokens in the Secret Service on Linux (its test runs
    # one of its own when gnome-keyring is there).
    pkg-config libsecret-1-dev gnome-keyring dbus
    # pennibar-server: HTTP on Qt HTTP Server, Argon2id passwords through libsodium, SQLite or
    # PostgreSQL storage; its tests start a throwaway PostgreSQL cluster.
    libsodium-dev libqt6sql6-psql postgresql
    # The Linux desktop files are checked with the freedesktop.org tools, and the Debian
    # package (make package) lists its library dependencies through dpkg-shlibdeps, which
    # CPack runs on the files that `file` reports as programs.
    desktop-file-utils appstream shared-mime-info dpkg-dev file
    # `make fuzz`: libFuzzer targets built with clang, AddressSanitizer and UBSan.
    clang libfuzzer-14-dev
    # The server's sign-in page is tried in headless Chromium, driven through its DevTools
    # protocol over Qt WebSockets (above); the Japanese page uses the CJK font above.
    chromium
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this as root (or install them with sudo apt-get install)." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
