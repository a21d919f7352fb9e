#!/bin/sh
# Installs the Debian packages a group of tasks needs, and only those missing.
# Usage: tools/install-deps.sh build|test
set -eu

# libxkbcommon-dev is what Qt's Gui package looks for when CMake configures; libxcb1-dev
# gives the key codes the keyboard map of the X server; libzip-dev opens the spreadsheet
# files (.ods, .xlsx), which are zip archives. The tests read sheets Gnumeric wrote
# (ssconvert), and the bench reads the same survey with pandas; the pupils' sheets are
# read back as text with poppler's pdftotext. Qt's CMake functions for translations
# (qt6-tools-dev) run lrelease (qt6-l10n-tools) on the command line's English texts.
build_packages="g++ make cmake ninja-build ccache pkgconf qt6-base-dev qt6-svg-dev libxkbcommon-dev libxcb1-dev \
libzip-dev qt6-translations-l10n fonts-liberation qt6-tools-dev qt6-l10n-tools"
test_packages="$build_packages xvfb xauth x11-xkb-utils xdotool imagemagick python3 python3-pil \
python3-pyatspi python3-xlib at-spi2-core dbus dbus-bin x11-utils \
dpkg-dev desktop-file-utils lintian appstream libbenchmark-dev clang clang-format \
gnumeric python3-pandas python3-numpy nodejs poppler-utils"

case "${1:-build}" in
build) wanted=$build_packages ;;
test) wanted=$test_packages ;;
*) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

# The GIFT parser others wrote, which the quiz test reads the program's GIFT files with:
# installed from its lock file beside the tests, once.
quiz_tools() {
    [ "${1:-build}" = test ] || return 0
    dir="$(dirname "$0")/../tests/quiz_tools"
    [ -f "$dir/node_modules/gift-pegjs/package.json" ] && return 0
    command -v npm >/dev/null 2>&1 || { echo "npm is missing: the GIFT test will be skipped." >&2; return 0; }
    (cd "$dir" && npm ci --no-audit --no-fund) || echo "npm could not install gift-pegjs." >&2
}

installed() {
    case "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" in
    *"install ok installed"*) return 0 ;;
    *) return 1 ;;
    esac
}

# The sanitizers' runtime for the fuzz targets is the one of the release's own clang,
# whatever its version: clang-14 on Debian 12, another elsewhere.
clang_runtime() {
    version=$(dpkg-query -W -f='${Depends}' clang 2>/dev/null | sed -n 's/.*clang-\([0-9][0-9]*\).*/\1/p')
    [ -n "$version" ] && echo "libclang-rt-$version-dev"
}

missing=""
for p in $wanted; do
    installed "$p" || missing="$missing $p"
done
if [ "${1:-build}" = test ] && installed clang; then
    runtime=$(clang_runtime || true)
    [ -n "$runtime" ] && ! installed "$runtime" && missing="$missing $runtime"
fi
# Debian's nodejs comes without npm; some builds of it bring their own.
if [ "${1:-build}" = test ] && ! command -v npm >/dev/null 2>&1 && ! installed npm; then
    missing="$missing npm"
fi
[ -z "$missing" ] && { quiz_tools "${1:-build}"; exit 0; }

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
# clang was missing until now: its runtime follows it.
if [ "${1:-build}" = test ]; then
    runtime=$(clang_runtime || true)
    # shellcheck disable=SC2086
    [ -n "$runtime" ] && ! installed "$runtime" && $as_root apt-get install -y -q --no-install-recommends $runtime
fi
quiz_tools "${1:-build}"
exit 0
