#!/bin/sh
# Installs the Debian packages a group of tasks needs, and only those missing.
# Usage: tools/install-deps.sh build|test
set -eu

# libxkbcommon-dev is what Qt's Gui package looks for when CMake configures; libxcb1-dev
# gives the key codes the keyboard map of the X server.
build_packages="g++ make cmake ninja-build qt6-base-dev qt6-svg-dev libxkbcommon-dev libxcb1-dev \
qt6-translations-l10n fonts-liberation"
test_packages="$build_packages xvfb xauth x11-xkb-utils xdotool imagemagick python3 python3-pil \
python3-pyatspi python3-xlib at-spi2-core dbus dbus-bin x11-utils \
dpkg-dev desktop-file-utils lintian appstream libbenchmark-dev clang libclang-rt-14-dev"

case "${1:-build}" in
build) wanted=$build_packages ;;
test) wanted=$test_packages ;;
*) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

missing=""
for p in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $p" ;;
    esac
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing packages:$missing; run as root or install sudo." >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
