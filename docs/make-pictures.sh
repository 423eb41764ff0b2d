#!/usr/bin/env bash
# Writes the pictures of the range editors and of a property sheet in docs/ with the tool, on a new empty drive C in the
# C locale, so that only the options choose the regional settings.
# usage: docs/make-pictures.sh [path/to/vksutil]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-"$here/../build/default/bin/vksutil"}
drive=$(mktemp -d)
trap 'rm -rf "$drive"' EXIT
export LC_ALL=C
"$tool" --drive-c "$drive" demo date-range --short-date M/d/yyyy --out "$here/date-range-mdy.svg"
"$tool" --drive-c "$drive" demo date-range --short-date dd.MM.yyyy --out "$here/date-range-dmy.svg"
"$tool" --drive-c "$drive" demo time-range --prefix --out "$here/time-range-prefix.svg"
"$tool" --drive-c "$drive" demo property-sheet --buttons 0xC --out "$here/property-sheet-ok-cancel.svg"
