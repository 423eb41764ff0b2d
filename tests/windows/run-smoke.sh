#!/bin/sh
# Runs the Windows smoke test under Wine, in code page 932, in a fresh Wine prefix that is
# removed at exit: its lines, then its exit status. Needs the windows preset built first.
#   tests/windows/run-smoke.sh [build/windows/bin/vksutil_smoke.exe]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build/windows/bin/vksutil_smoke.exe}
if [ ! -f "$program" ]; then
    echo "run-smoke: no $program" >&2
    echo "build it with: cmake --preset windows && cmake --build --preset windows" >&2
    exit 2
fi
if ! command -v wine >/dev/null 2>&1; then
    echo "run-smoke: wine is not installed" >&2
    exit 2
fi

# Wine takes the ANSI code page from the locale: Japanese gives 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vks-smoke-wine.XXXXXX")
cleanup() {
    # The prefix's server may still hold it for a moment after the program ends.
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko install prompts; nothing here needs them.
export WINEDLLOVERRIDES='mscoree,mshtml='
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# A zone without daylight saving and away from UTC, so that a time-zone shift shows.
export TZ=Asia/Tokyo
# Headless: the smoke test opens no window.
unset DISPLAY WAYLAND_DISPLAY

# Debian's wine wrapper warns on stderr when the 32-bit half is missing; the test is 64-bit.
status=0
wine "$program" 2> "$prefix/wine.stderr" || status=$?
if [ "$status" -ne 0 ]; then
    grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' \
         -e 'apt-get install wine32' "$prefix/wine.stderr" >&2 || true
fi
exit "$status"
