#!/usr/bin/env bash
# ./ksl with a command it does not know names it before the usage, and exits with status 2.
#   ksl_usage_test.sh PATH_TO_KSL
set -uo pipefail
output=$("$1" bogus 2>&1)
status=$?
[ "$status" -eq 2 ] || { echo "FAIL: status $status"; exit 1; }
head -n 1 <<<"$output" | grep -q 'unknown command: bogus$' ||
    { echo "FAIL: the first line does not name the command:"; echo "$output"; exit 1; }
grep -q './ksl test' <<<"$output" || { echo "FAIL: no usage after it"; exit 1; }
echo "PASS: an unknown command is named, then the usage, status 2"
