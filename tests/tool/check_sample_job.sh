#!/usr/bin/env bash
# Runs the sample job with the built tool and compares its output with the expected one, the
# lines that change from run to run masked: the version, the tool's folder, the encrypted form
# (salted anew at each write) and the log's times.
# usage: check_sample_job.sh RUN_SAMPLE TOOL EXPECTED
set -euo pipefail
run_sample=$1 tool=$2 expected=$3

mask() {
  sed -E \
    -e 's/^vksutil [0-9][0-9.]*$/vksutil VERSION/' \
    -e 's/^(  (application|help|program) +)[A-Za-z]:\\.*\\/\1TOOLDIR\\/' \
    -e '/^\$ vksutil .* Password --type text$/{n;s/.*/ENCRYPTED/;}' \
    -e 's/^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}  /YYYY-MM-DD HH:MM:SS  /'
}

# The host's locale, time zone and code page choice must not reach the output.
actual=$(env -u VKS_DRIVE_C -u VKS_CODEPAGE LC_ALL=C TZ=UTC bash "$run_sample" "$tool" 2>&1 | mask)
if ! diff -u "$expected" - <<<"$actual"; then
  echo "The sample job's output differs from $expected (lines marked - expected, + actual)." >&2
  exit 1
fi
