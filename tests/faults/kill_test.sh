#!/usr/bin/env bash
# Kills trv-cli (SIGKILL) at random moments while it rewrites the saved
# choices, and while it copies a large sheet template, then checks what a
# killed program may never leave: a saved choice file that is not whole (the
# old content or the new one), a drawing that is not the whole template under
# its name, or a temporary file that outlives the next run. Then kills a
# project creation at each of its system calls in turn (with strace; skipped
# without it) and checks the record, the projects list and the style sheet.
#   kill_test.sh TRV-CLI WORK-FOLDER [ROUNDS]
# TRV_KILL_ONLY_CREATION=1 runs the project creation's kill points alone.
set -euo pipefail
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$2
rounds=${3:-20}

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    echo "SKIPPED: the kill tests send POSIX signals"
    exit 77
    ;;
esac

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/office.sh
source "$here/../e2e/office.sh"

seed=${TRV_KILL_SEED:-$RANDOM}
RANDOM=$seed
echo "seed $seed (TRV_KILL_SEED=$seed repeats this run)"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# now_ms: milliseconds since the epoch.
now_ms() { date +%s%3N; }

# play_killed SCRIPT DELAY_MS: plays SCRIPT and kills the program after
# DELAY_MS milliseconds, unless it ended before.
play_killed() {
    (cd "$W" && exec "$cli" play "$1" --ini "$W/trv.ini" --user tester) > /dev/null 2>&1 &
    local pid=$!
    sleep "$(printf '%d.%03d' $(($2 / 1000)) $(($2 % 1000)))"
    kill -KILL "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
}

# play_whole SCRIPT: plays SCRIPT to its end; `took` is how long it took (ms).
took=0
play_whole() {
    local start
    start=$(now_ms)
    if ! (cd "$W" && "$cli" play "$1" --ini "$W/trv.ini" --user tester > "$W/transcript.txt" 2>&1); then
        fail "an uninterrupted run of $(basename "$1") failed:"
        cat "$W/transcript.txt"
    fi
    took=$(($(now_ms) - start))
}

state() { echo "$W/projects/tester/PROJECTS"; }

# check_saved_choices: each saved choice file that was ever written is still
# there and holds one whole record the script can have written.
declare -A written=()
check_saved_choices() {
    local file content
    for file in curproject.txt curdrawingtype.txt curdiscipline.txt facilnumber.txt; do
        if [[ ! -e "$(state)/$file" ]]; then
            [[ -n "${written[$file]:-}" ]] && fail "$file vanished ($1)"
            continue
        fi
        written[$file]=1
        content=$(od -An -c "$(state)/$file" | tr -s ' ')
        case "$file:$(cat "$(state)/$file")" in
        'curproject.txt:"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"'$'\r') ;;
        'curdrawingtype.txt:"DESIGN"'$'\r' | 'curdrawingtype.txt:"AS-BUILT"'$'\r') ;;
        'curdiscipline.txt:"Architectural"'$'\r' | 'curdiscipline.txt:"Civil"'$'\r') ;;
        'facilnumber.txt:"01"'$'\r' | 'facilnumber.txt:"02"'$'\r') ;;
        *) fail "$file is not whole ($1):$content" ;;
        esac
    done
}

# age_temporaries: makes every temporary file a killed run left look over a
# minute old, as it will be when the user starts TRV again; prints how many.
age_temporaries() {
    local n=0 f
    while IFS= read -r -d '' f; do
        touch -d '2 minutes ago' "$f"
        n=$((n + 1))
    done < <(find "$W" -name '.trv-*' -print0)
    echo "$n"
}

# no_temporaries_left WHEN: after a whole run, no temporary file remains.
no_temporaries_left() {
    local left
    left=$(find "$W" -name '.trv-*')
    [[ -z "$left" ]] || fail "temporary files outlived the next run ($1): $left"
}

# kill_rounds NAME SCRIPT CHECK: the killed rounds of one scenario, each
# killed at a random moment of the time a whole run takes, CHECK after each,
# then one whole run that must clear every temporary file left.
kill_rounds() {
    local name=$1 script=$2 check=$3 span left=0 round
    written=()
    play_whole "$script"
    span=$took
    $check "$name, first whole run"
    for ((round = 1; round <= rounds; round++)); do
        play_killed "$script" $((RANDOM % (span + 1)))
        $check "$name, round $round"
        left=$((left + $(age_temporaries)))
    done
    play_whole "$script"
    $check "$name, last whole run"
    no_temporaries_left "$name"
    echo "$name: $rounds rounds killed within ${span} ms, $left temporary files left by kills"
}

# ---- the saved choices, chosen back and forth ----

W=$work/choices
export W
rm -rf "$W"
mkdir -p "$W"
make_office "$W"
{
    echo 'choose cmbProjectCode KLV-13000-C000'
    for ((i = 0; i < 25; i++)); do
        echo 'choose cmbdesignasbuilt "Design Drawings"'
        echo 'choose cmbdisciplines Architectural'
        echo 'set txtfacilitynb 01'
        echo 'choose cmbdesignasbuilt "As-Built Drawings"'
        echo 'choose cmbdisciplines Civil'
        echo 'set txtfacilitynb 02'
    done
} > "$W/choices.txt"
[[ -n ${TRV_KILL_ONLY_CREATION:-} ]] || kill_rounds "saved choices" "$W/choices.txt" check_saved_choices

# ---- a large sheet template copied ----

W=$work/copy
export W
rm -rf "$W"
mkdir -p "$W"
make_office "$W"
template=$W/resources/style_sheets/KLV-13000-C000.dwg
head -c $((64 * 1024 * 1024)) /dev/urandom > "$template"
sheets=$W/projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
cat > "$W/copy.txt" << 'EOF'
choose cmbProjectCode KLV-13000-C000
choose cmbdesignasbuilt "Design Drawings"
set txtfacilitynb 01
choose cmbdisciplines Architectural
choose cmbSheettype "2:Plans"
click cmdcopysheet
EOF

# check_drawings: every drawing is the whole template; checked ones go, so
# that the rounds need no more than a few copies' room.
copied=0
check_drawings() {
    check_saved_choices "$1"
    local f
    for f in "$sheets"/*; do
        [[ -e "$f" ]] || continue
        if cmp -s "$template" "$f"; then
            copied=$((copied + 1))
            rm -f "$f"
        else
            fail "$(basename "$f") is not the whole template ($1): $(stat -c %s "$f") bytes"
            rm -f "$f"
        fi
    done
}
[[ -n ${TRV_KILL_ONLY_CREATION:-} ]] || kill_rounds "sheet copy" "$W/copy.txt" check_drawings
[[ -n ${TRV_KILL_ONLY_CREATION:-} ]] || echo "sheet copy: $copied whole drawings made"

# ---- project creation killed at every system call ----

# strace stops the program at the entry of the K-th call of one system call
# and sends SIGKILL: every call of a whole creation is a kill point in turn.
# After each, the record is absent or whole (never empty or cut short), the
# projects list is as it was or has the whole new line, the style sheet is
# absent or whole, and a code left without its record can still be created.
kill_points_of_creation() {
    W=$work/creation
    export W
    rm -rf "$W"
    mkdir -p "$W"
    make_office "$W"
    printf '"Harbour Works Unit","HWU"\r\n' > "$W/resources/Units.txt"
    printf 'sheet template\r\n' > "$W/sheet_templates/KLV_TEMPLATE.dwg"
    rm "$W/resources/projectscodes/KLV-13000-C000.txt"
    printf 'click cmdnewproj\ntype frmfacilprojcode.txtprojname "Race Project"\nclick frmfacilprojcode.cmdcreateintprojcode\n' \
        > "$W/create.txt"
    cp -a "$W/resources" "$W/pristine"
    local r=$W/resources record list sheet state points=0 line
    record=$r/projectscodes/KLV-13000-C000.txt
    list=$r/klvprojects.txt
    sheet=$r/style_sheets/KLV-13000-C000.dwg
    line='"KLV-13000-C000","RACE PROJECT","KLV-13000-C000"'$'\r'
    declare -A states=()
    # The leak checker of a sanitizer build cannot work under ptrace.
    create() {
        (cd "$W" && ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$@" "$cli" play "$W/create.txt" \
            --ini "$W/trv.ini" --user tester) > "$W/out.txt" 2>&1
    }
    if ! create strace -f -qq -o "$W/trace.txt"; then
        fail "project creation under strace failed: $(cat "$W/out.txt")"
        return
    fi
    local name count k
    while read -r count name; do
        for ((k = 1; k <= count; k++)); do
            rm -rf "$r"
            cp -a "$W/pristine" "$r"
            create strace -f -qq -o /dev/null -e "inject=$name:signal=SIGKILL:when=$k" 2> /dev/null || true
            points=$((points + 1))
            state=
            if [[ -e $record ]]; then
                printf '"KLV-13000-C000","RACE PROJECT"\r\n' | cmp -s - "$record" ||
                    fail "$name #$k: the record is not whole: $(od -An -c "$record" | tr -s ' ' | head -c 200)"
                state=record
            fi
            if [[ "$(cat "$W/pristine/klvprojects.txt" 2> /dev/null)" != "$(cat "$list" 2> /dev/null)" ]]; then
                [[ "$(cat "$W/pristine/klvprojects.txt" 2> /dev/null)$line" == "$(cat "$list")" ]] ||
                    fail "$name #$k: the projects list is neither as it was nor with the whole new line"
                [[ -n $state ]] || fail "$name #$k: a list line without its record"
                state="$state, list line"
            fi
            if [[ -e $sheet ]]; then
                cmp -s "$W/sheet_templates/KLV_TEMPLATE.dwg" "$sheet" || fail "$name #$k: the style sheet is not whole"
                state="$state, style sheet"
            fi
            state=${state#, }
            states[${state:-nothing}]=$((${states[${state:-nothing}]:-0} + 1))
            if [[ -z $state ]]; then
                create || true
                grep -q 'Success : Project is created : KLV-13000-C000.dwg' "$W/out.txt" ||
                    fail "$name #$k: the code cannot be created after the kill: $(cat "$W/out.txt")"
            fi
        done
    done < <(awk '{ sub(/\(.*/, "", $2); print $2 }' "$W/trace.txt" | sort | uniq -c)
    echo "project creation: $points kill points; left behind:"
    for state in "${!states[@]}"; do echo "  ${states[$state]} x $state"; done
}
if ! command -v strace > /dev/null; then
    echo "SKIPPED: project creation killed at every system call: strace is not installed"
elif ! strace -qq -o /dev/null true 2> /dev/null; then
    echo "SKIPPED: project creation killed at every system call: strace cannot trace here"
else
    kill_points_of_creation
fi

if ((failures > 0)); then
    echo "$failures failure(s); TRV_KILL_SEED=$seed repeats the kills; the offices are kept in $work"
    exit 1
fi
rm -rf "$work"
