#!/usr/bin/env bash
# The main job: the tool on a copy of the bundled drive C (the bundled files stay as they are).
# usage: examples/run-sample.sh [path/to/vksutil]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-"$here/../build/default/bin/vksutil"}
drive=$(mktemp -d)
trap 'rm -rf "$drive"' EXIT
cp -r "$here/drive_c/." "$drive/"

# Prints a word as the shell takes it back: as it is when it is plain, else in single quotes.
quoted() {
  local LC_ALL=C
  if [[ $1 =~ ^[A-Za-z0-9_./:=%+,@-]+$ ]]; then
    printf '%s' "$1"
  else
    printf "'%s'" "${1//\'/\'\\\'\'}"
  fi
}

# Shows the command as it can be pasted (with VKS_DRIVE_C naming a drive C), then runs it.
run() {
  printf '\n$ vksutil'
  local word
  for word in "$@"; do
    printf ' '
    quoted "$word"
  done
  printf '\n'
  "$tool" --drive-c "$drive" "$@"
}

"$tool" --version
run dirs
run profile keys application Preferences
run profile get application Preferences "Show Quick Steps" --type bool
run profile get application Preferences "Last Run" --type date
run profile get windows intl sShortDate
run profile keys default-modems "Modem Makers"
run profile keys user-modems "ユーザー定義モデム"
run profile set application Preferences "Last Connection" "自宅のパソコン"
run profile get application Preferences "Last Connection"
run profile set company General "Install Count" 4294967295 --type uint
run profile get company General "Install Count" --type text
run profile set application Preferences Password "s3cret" --type encrypt
run profile get application Preferences Password --type text
run profile get application Preferences Password --type encrypt
run profile delete application Preferences Password
run profile get application Preferences Password --default "(none)" || true
run format bytes 1000000000
run format datetime 2002-03-05T14:07:09
run modem makers
run modem show PV-BF2800
run log write "Sample job done"
run log show
