#!/usr/bin/env bash
# Runs one case of a trv-cli batch command: lays out the small office of the
# end-to-end cases, lets the case adjust it (setup.sh), runs trv-cli with the
# words of the case's `command` file and compares what it printed.
#
#   command          one line of words, split as the shell splits them; $W is
#                    the office. --ini $W/trv.ini and --user tester (or the
#                    case's `user`) are added unless the line gives them.
#   expected.txt     standard output (compared when the case has the file)
#   expected-stderr.txt  standard error (compared when the case has the file)
#   expected-status  the exit status (0 when the case has no such file)
#   check.sh         run last in the office, with $CLI set to trv-cli; it finds
#                    the raw output in $W/stdout.raw and $W/stderr.raw
#
# The office's path shows as <office> in the compared output.
set -euo pipefail
cli=$1
case_dir=$2
W=$3
export W CLI=$cli

rm -rf "$W"
mkdir -p "$W"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/office.sh
source "$here/../e2e/office.sh"
make_office "$W"
if [[ -f "$case_dir/setup.sh" ]]; then
    (cd "$W" && bash "$case_dir/setup.sh")
fi

eval "words=($(< "$case_dir/command"))"
user=tester
[[ -f "$case_dir/user" ]] && user=$(cat "$case_dir/user")
[[ " ${words[*]} " == *" --ini "* ]] || words+=(--ini "$W/trv.ini")
[[ " ${words[*]} " == *" --user "* ]] || words+=(--user "$user")
expected_status=0
[[ -f "$case_dir/expected-status" ]] && expected_status=$(cat "$case_dir/expected-status")

set +e
(cd "$W" && "$cli" "${words[@]}") > "$W/stdout.raw" 2> "$W/stderr.raw"
status=$?
set -e

fail=0
for stream in stdout stderr; do
    expected=$case_dir/expected.txt
    [[ $stream == stderr ]] && expected=$case_dir/expected-stderr.txt
    [[ -f "$expected" ]] || continue
    sed "s|$W|<office>|g" "$W/$stream.raw" > "$W/$stream.txt"
    if ! diff -u "$expected" "$W/$stream.txt"; then
        echo "$stream differs from $expected"
        fail=1
    fi
done
if [[ "$status" != "$expected_status" ]]; then
    echo "trv-cli exited with $status, expected $expected_status"
    cat "$W/stderr.raw"
    fail=1
fi
if [[ $fail == 0 && -f "$case_dir/check.sh" ]]; then
    (cd "$W" && bash "$case_dir/check.sh") || fail=1
fi
exit $fail
