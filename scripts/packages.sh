#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only when something is missing.
# Shared by run.sh and test.sh so the list lives in one place.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libxkbcommon-dev libgl-dev libpulse-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic qt6-translations-l10n
    xvfb xdotool imagemagick x11-utils pulseaudio pulseaudio-utils sox valgrind
    pipewire pipewire-pulse wireplumber dbus-daemon
    x11-session-utils x11-xserver-utils
    clang libclang-rt-14-dev desktop-file-utils ccache
    appstream groff man-db lintian dpkg-dev file poppler-utils
    at-spi2-core python3-pyatspi dbus-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
