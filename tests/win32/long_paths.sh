#!/usr/bin/env bash
# Long paths and server paths under Wine, through trv-cli.exe (no display;
# run by scripts/test-windows): the end-to-end cases of long-path-cases.txt
# (a copy, a sheet number, a naming check, a delivery) played again with the
# office where a drafting office keeps it, against the same expected
# transcripts and checks as on Linux, the office's path shown as <office>:
# - deep: on a drive, the case's office in a folder 215 characters deep,
#   so that its drawings' paths pass 300 characters (trv.ini's values, which
#   are cut at 254, stay shorter);
# - server: on a server path, \\trvserver\office, which Wine's
#   dosdevices/unc/trvserver/office leads to the case's folder;
# - deep server: both.
# Writes "PASSED FAILED" to $TRV_LONG_PATH_COUNTS.
set -uo pipefail
: "${TRV_WINE:?the Wine loader}" "${TRV_BUILD:?the MinGW build folder}" "${WINEPREFIX:?the Wine prefix}"
: "${TRV_LONG_PATH_COUNTS:?where the counts go}"
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/lib.sh
source "$root/scripts/lib.sh"
build=$TRV_BUILD
cli=$build/wine-trv-cli
export TRV_WINE TRV_CLI_EXE=$build/cli/trv-cli.exe
# Wine cannot start a program in a folder this deep: the cases run from here.
export TRV_RUN_FROM=$build

passed=0
failed=0

# deep_folder BASE LENGTH: a folder below BASE whose Windows path (Z:...) is LENGTH characters long
# (or one longer, where the last name would otherwise be empty).
deep_folder() {
    local dir=$1 length=$2 i=0 n
    while ((${#dir} + 2 < length)); do
        n=$((length - 2 - ${#dir} - 1))
        ((n > 60)) && n=60
        ((n < 1)) && n=1  # one character short: the path ends one longer
        dir+=/$(printf 'folder-%02d-%s' "$i" "$(printf '%060d' 0)" | cut -c1-"$n")
        i=$((i + 1))
    done
    printf '%s\n' "$dir"
}

share=$WINEPREFIX/dosdevices/unc/trvserver
mkdir -p "$share"
trap 'rm -f "$share/office"' EXIT

# play KIND NAME WORK [SHARE OFFICE]: one case, its office in WORK; with
# SHARE, the folder \\trvserver\office leads to, the office is reached as OFFICE.
play() {
    local kind=$1 name=$2 work=$3 target=${4:-} office=${5:-}
    local log=$build/e2e-logs/$kind.$name.log
    mkdir -p "$(dirname "$work")"
    if [[ -n $target ]]; then ln -sfn "$target" "$share/office"; fi
    if TRV_WINE_OFFICE=$office case_under_wine "$log" \
        bash "$root/tests/e2e/run_case.sh" "$cli" "$root/tests/e2e/$name" "$work"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED e2e.$name, $kind, under Wine:"
        sed 's/^/    /' "$log" | head -n 40
    fi
}

mkdir -p "$build/e2e-logs"
deep=$(deep_folder "$build/long-paths" 215)
below=${deep#"$build/long-paths/"}
below=${below//\//\\}
while read -r name; do
    [[ -z "$name" || $name == \#* ]] && continue
    play deep "$name" "$deep/$name"
    # The files of the deep office are where the case needs long paths.
    longest=$(find "$deep/$name" -type f | awk '{ if (length($0) > n) n = length($0) } END { print n + 2 }')
    if ((longest > 300)); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED e2e.$name, deep: its longest path is $longest characters"
    fi
    play server "$name" "$build/server-paths/$name" "$build/server-paths" "\\\\trvserver\\office\\$name"
    play deep-server "$name" "$deep/server-$name" "$build/long-paths" "\\\\trvserver\\office\\$below\\server-$name"
done < "$root/tests/win32/long-path-cases.txt"

echo "$passed $failed" > "$TRV_LONG_PATH_COUNTS"
