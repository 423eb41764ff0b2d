#!/usr/bin/env bash
# Drives the bash completion function as bash does on <TAB>: COMP_WORDS, COMP_CWORD, COMPREPLY.
source "$1"
passed=0
failures=0

# complete WORDS... : the replies for the last word.
expect() {
    local wanted=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _vksutil
    local got="${COMPREPLY[*]}"
    if [[ $got != "$wanted" ]]; then
        echo "FAIL: vksutil ${*:2}<TAB>: wanted '$wanted', got '$got'"
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir drive
touch settings.ini notes.txt

expect "profile" vksutil pro
expect "dirs profile modem format files os log demo" vksutil ""
expect "format files" vksutil f
expect "keys get set delete" vksutil profile ""
expect "get" vksutil profile g
expect "windows system company application default-modems user-modems settings.ini" \
    vksutil profile get ""
expect "default-modems" vksutil profile keys def
expect "makers" vksutil modem ma
expect "show write" vksutil log ""
expect "--help --type --default" vksutil profile get -
expect "--help --lang" vksutil log show -
expect "de en es fr it ja" vksutil log show --lang ""
expect "int int64" vksutil profile get application S K --type int
expect "--drive-c --help --version" vksutil -
expect "drive" vksutil --drive-c dr
expect "keys get set delete" vksutil --drive-c drive profile ""
expect "" vksutil profile get windows ""
expect "date-range time-range property-sheet file-dialog" vksutil demo ""
expect "--help --out" vksutil demo file-dialog -
expect "--help --short-date --out" vksutil demo date-range -
expect "--help --24h --prefix --out" vksutil demo time-range -
expect "notes.txt" vksutil demo date-range --out no
expect "--24h" vksutil demo time-range --out x.svg --2
expect "--help --buttons --out" vksutil demo property-sheet -

echo "completion: $passed passed, $failures failed"
[[ $failures -eq 0 ]]
