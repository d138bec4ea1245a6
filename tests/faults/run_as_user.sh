#!/usr/bin/env bash
# Plays one fault case as an unprivileged user, for whom permissions hold
# (root ignores them, and CI runs as root). As root it makes the user
# "trv-fault" when it is missing (or falls back to "nobody") and runs trv-cli
# through setpriv or runuser; as any other user it runs trv-cli as itself.
# It skips (exit 77) when no unprivileged user can run the case.
#
# A case folder holds script.txt and expected.txt, the first run (or, for a
# batch command, `command`: its words, with expected.txt holding what it
# prints and expected-status its exit status when not 0); optionally
# script-N.txt and expected-N.txt for runs N = 2, 3, ..., each after its
# between-N.sh when there is one (the world changing between two steps);
# setup.sh, run as root in the office after it is laid out (exit 77 skips the
# case where it cannot make its world; a drive it mounts in the office is
# unmounted at the end); check.sh, run as
# root in the office at the end. The office is a scratch folder the user owns,
# shown as <office> in the transcripts. Every run has a time limit: a hang fails.
#   run_as_user.sh TRV-CLI CASE-FOLDER
set -euo pipefail
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    echo "SKIPPED: permissions are tested on POSIX systems"
    exit 77
    ;;
esac

as_user=()
if [[ $(id -u) -eq 0 ]]; then
    user=trv-fault
    if ! id -u "$user" > /dev/null 2>&1; then
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user" \
            > /dev/null 2>&1 || true
        id -u "$user" > /dev/null 2>&1 || user=nobody
    fi
    if ! id -u "$user" > /dev/null 2>&1; then
        echo "SKIPPED: running as root, and no unprivileged user can be made"
        exit 77
    fi
    uid=$(id -u "$user")
    gid=$(id -g "$user")
    if command -v setpriv > /dev/null; then
        as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
    elif command -v runuser > /dev/null; then
        as_user=(runuser -u "$user" --)
    else
        echo "SKIPPED: running as root, and neither setpriv nor runuser is there to change user"
        exit 77
    fi
    echo "running as $user ($uid:$gid)"
else
    uid=$(id -u)
    gid=$(id -g)
fi

# The office lies where any user can reach it, away from the build tree.
W=$(mktemp -d "${TMPDIR:-/tmp}/trv-fault.XXXXXX")
export W
chmod 755 "$W"
# A case's set-up may mount a small drive in the office (a full drive); it
# goes at the end, also when the office is kept.
unmount_drives() {
    while read -r mounted; do umount "$mounted" 2> /dev/null || true; done < <(
        awk -v w="$W/" 'index($2, w) == 1 { print $2 }' /proc/self/mounts 2> /dev/null | sort -r)
}
cleanup() {
    unmount_drives
    chmod -R u+rwX "$W" 2> /dev/null || true
    rm -rf "$W"
}
# shellcheck source=../e2e/office.sh
source "$here/../e2e/office.sh"
make_office "$W"
mkdir "$W/case"
cp "$cli" "$W/bin/trv-cli"
cp "$case_dir"/*.txt "$W/case/" 2> /dev/null || true
chown -R "$uid:$gid" "$W"
# Without arguments trv-cli shows its usage (exit 2); 126 or 127 means the
# user cannot run it from there (a folder mounted noexec, say).
set +e
"${as_user[@]}" "$W/bin/trv-cli" > /dev/null 2>&1
probe=$?
set -e
if [[ $probe == 126 || $probe == 127 ]]; then
    echo "SKIPPED: the unprivileged user cannot run trv-cli from $W; set TMPDIR to another folder"
    cleanup
    exit 77
fi
# A set-up that cannot make its world (no root to mount a drive) skips the
# case with exit 77 and says why.
if [[ -f "$case_dir/setup.sh" ]]; then
    set +e
    (cd "$W" && bash -e "$case_dir/setup.sh")
    status=$?
    set -e
    if [[ $status != 0 ]]; then
        cleanup
        exit "$status"
    fi
fi

fail=0
# play SUFFIX: plays script$SUFFIX.txt as the user (or runs the case's
# command), compares with expected$SUFFIX.txt.
play() {
    local suffix=$1 status=0 expected_status=0
    local words=(play "$W/case/script$suffix.txt")
    if [[ -z $suffix && -f "$case_dir/command" ]]; then
        eval "words=($(< "$case_dir/command"))"
        [[ -f "$case_dir/expected-status" ]] && expected_status=$(< "$case_dir/expected-status")
    fi
    set +e
    (cd "$W" && timeout -s KILL 60 "${as_user[@]}" "$W/bin/trv-cli" "${words[@]}" \
        --ini "$W/trv.ini" --user tester) > "$W/transcript$suffix.raw" 2>&1
    status=$?
    set -e
    sed "s|$W|<office>|g" "$W/transcript$suffix.raw" > "$W/transcript$suffix.txt"
    if ! diff -u "$case_dir/expected$suffix.txt" "$W/transcript$suffix.txt"; then
        echo "transcript differs from $case_dir/expected$suffix.txt"
        fail=1
    fi
    if [[ $status == 137 ]]; then
        echo "trv-cli hung: killed after the time limit"
        fail=1
    elif [[ $status != "$expected_status" ]]; then
        echo "trv-cli exited with $status, expected $expected_status"
        fail=1
    fi
}

play ""
for ((run = 2; run < 10; run++)); do
    [[ -f "$case_dir/script-$run.txt" ]] || break
    if [[ -f "$case_dir/between-$run.sh" ]] && ! (cd "$W" && bash "$case_dir/between-$run.sh"); then
        echo "between-$run.sh failed"
        fail=1
        break
    fi
    play "-$run"
done
if [[ $fail == 0 && -f "$case_dir/check.sh" ]]; then
    (cd "$W" && bash "$case_dir/check.sh") || fail=1
fi
if [[ $fail == 0 ]]; then
    cleanup
else
    unmount_drives
    echo "the office is kept in $W"
fi
exit $fail
