#!/usr/bin/env bash
# Installs the Debian packages Pennibar needs to build, run and test.
# Runs apt-get update only when something is missing, so a prepared machine starts at once.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins
    libgl-dev
    sqlite3 unzip xvfb xauth
    zlib1g-dev
    qt6-httpserver-dev libsodium-dev pkg-config libqt6sql6-psql postgresql
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
