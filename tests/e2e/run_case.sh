#!/usr/bin/env bash
# Runs one end-to-end case: lays out a small office in a fresh work folder,
# lets the case adjust it (setup.sh), plays script.txt with trv-cli, and
# compares the transcript with expected.txt. check.sh, when present, then
# inspects the files the program left. The work folder's path shows as <office>.
set -euo pipefail
cli=$1
case_dir=$2
W=$3
export W

rm -rf "$W"
mkdir -p "$W"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=office.sh
source "$here/office.sh"
make_office "$W"

if [[ -f "$case_dir/setup.sh" ]]; then
    (cd "$W" && bash "$case_dir/setup.sh")
fi

user=tester
[[ -f "$case_dir/user" ]] && user=$(cat "$case_dir/user")
expected_status=0
[[ -f "$case_dir/expected-status" ]] && expected_status=$(cat "$case_dir/expected-status")

set +e
# The program starts in the office, or in TRV_RUN_FROM (Wine cannot start a
# program in a folder whose path is longer than 260 characters).
(cd "${TRV_RUN_FROM:-$W}" && "$cli" play "$case_dir/script.txt" --ini "$W/trv.ini" --user "$user") > "$W/transcript.raw" 2>&1
status=$?
set -e
sed "s|$W|<office>|g" "$W/transcript.raw" > "$W/transcript.txt"

fail=0
if ! diff -u "$case_dir/expected.txt" "$W/transcript.txt"; then
    echo "transcript differs from $case_dir/expected.txt"
    fail=1
fi
if [[ "$status" != "$expected_status" ]]; then
    echo "trv-cli exited with $status, expected $expected_status"
    fail=1
fi
if [[ $fail == 0 && -f "$case_dir/check.sh" ]]; then
    (cd "$W" && bash "$case_dir/check.sh") || fail=1
fi
exit $fail
