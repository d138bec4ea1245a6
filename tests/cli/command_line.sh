#!/usr/bin/env bash
# The command lines of trv-cli and trv (when given): --version, --help and
# play --help answer on standard output with status 0; an unknown option or
# command is refused with one line on standard error and status 2. trv
# answers --version and --help without a display.
set -uo pipefail
cli=$1
gui=${2:-}
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt warns on standard error when the session has no runtime folder.
export XDG_RUNTIME_DIR=$work
fail=0

# expect STATUS STDOUT-PATTERN STDERR-LINES COMMAND... (an empty pattern: nothing on standard output)
expect() {
    local status=$1 pattern=$2 errlines=$3
    shift 3
    "$@" > "$work/out" 2> "$work/err"
    local got=$?
    local lines
    lines=$(wc -l < "$work/err")
    local shown=ok
    if [[ -z $pattern ]]; then
        [[ -s "$work/out" ]] && shown=no
    elif ! grep -Eq "$pattern" "$work/out"; then
        shown=no
    fi
    if [[ $got != "$status" || $shown != ok || $lines != "$errlines" ]]; then
        echo "FAIL: $* gave status $got (expected $status), output as expected: $shown, $lines error line(s) (expected $errlines)"
        sed 's/^/  out: /' "$work/out" | head -5
        sed 's/^/  err: /' "$work/err" | head -5
        fail=1
    fi
}

expect 0 "^trv-cli $version\$" 0 "$cli" --version
expect 0 "^usage: trv-cli play" 0 "$cli" --help
expect 0 "^usage: trv-cli play" 0 "$cli" play --help
# Each command and exit status begins a line of the help, indented by two.
for entry in "play SCRIPT" "--version" "0" "1" "2"; do
    "$cli" --help | grep -qE -- "^  $entry( |\$)" || { echo "FAIL: trv-cli --help does not describe '$entry'"; fail=1; }
done
for entry in click choose type set clear close print items expect shell "--ini PATH" "--user NAME" 0 1 2; do
    "$cli" play --help | grep -qE -- "^  $entry( |\$)" ||
        { echo "FAIL: trv-cli play --help does not describe '$entry'"; fail=1; }
done
expect 2 "" 1 "$cli" --frob
expect 2 "" 1 "$cli" play "$work/none.txt" --frob
expect 2 "" 1 "$cli" render
expect 2 "" 1 "$cli"
expect 2 "" 1 "$cli" play "$work/none.txt"
# A batch command's --help is its usage; its unknown option one line.
for command in check name projects config controls; do
    expect 0 "^trv-cli $command" 0 "$cli" $command --help
    expect 2 "" 1 "$cli" $command --frob
done

if [[ -n "$gui" ]]; then
    expect 0 "^trv $version\$" 0 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --version
    expect 0 "^usage: trv " 0 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --help
    expect 2 "" 1 env QT_QPA_PLATFORM=offscreen "$gui" --frob
fi
exit $fail
