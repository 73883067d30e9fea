#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and the PACKAGEs named,
# only those that are missing.
# Usage: scripts/deps.sh [PACKAGE...]
set -euo pipefail
packages=(
    "$@"
    cmake g++ make pkg-config
    qt6-base-dev qt6-webengine-dev libqt6svg6 qt6-translations-l10n adwaita-icon-theme libxcb1-dev
    libfontconfig-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool x11-utils imagemagick python3
    libjs-bootstrap4 libjs-bootstrap5 libjs-jquery-ui node-normalize.css
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
