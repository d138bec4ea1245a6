#!/usr/bin/env bash
# gui_checks.sh TRV WORK: the Qt front end (trv) on a real X server, run by
# ctest under xvfb-run (test gui-x11), once without a window manager and once
# under openbox:
# - every window on the screen (tests/screens/screens.txt, the path-problem
#   window through each way into it, and tests/x11/screens.txt: a message
#   box, the project code screen enlarged, the delivery's progress window),
#   played by `trv play --screenshots`, which photographs each from the
#   screen; each picture must have the window's size and not be one colour
#   (tests/support/picture_check.sh), and must show what the window draws
#   itself (QWidget::grab, written beside it);
# - the end-to-end cases of tests/screens/play-cases.txt played by `trv play`
#   through the Qt widgets: their transcripts must equal trv-cli's.
# The pictures taken under openbox are left in WORK/screenshots (the
# README's Linux screenshots are copies).
set -uo pipefail
trv=$1
work=$2
: "${DISPLAY:?an X display (xvfb-run)}"
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../support/picture_check.sh
source "$root/tests/support/picture_check.sh"
screens=$root/tests/screens
export QT_QPA_PLATFORM=xcb
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAILED $*"
}

# The check itself: a painted window passes, a black or grey frame fails.
convert -size 320x200 xc:black "$work/black.png"
convert -size 320x200 xc:'#efefef' -fill black -draw 'rectangle 10,10 20,20' "$work/grey.png"
for frame in black grey; do
    if [[ -n "$(picture_problem "$work/$frame.png" 320 200)" ]]; then pass; else fail "the picture check passes a $frame frame"; fi
done

# shown_as_drawn SHOT: whether the screen (SHOT.png) shows the window as it
# draws itself (SHOT.drawn.png, which trv play writes beside it). A window
# that the display does not show keeps what was there before: the root's
# black, or the window under it. A blinking caret or a focus frame differs
# by a few hundred pixels; more than 1% of them differing fails.
shown_as_drawn() {
    local shot=$1 differ size
    differ=$(compare -metric AE -fuzz 10% "$shot.png" "$shot.drawn.png" null: 2>&1)
    size=$(identify -format '%w*%h' "$shot.png")
    if [[ ! "$differ" =~ ^[0-9]+$ ]]; then
        echo "$shot.png cannot be compared with the window's own drawing: $differ"
    elif ((differ * 100 > size)); then
        echo "$shot.png: the screen does not show the window as it draws itself ($differ pixels differ)"
    fi
}

# The check itself: the window's own drawing passes, another picture fails.
cp "$work/grey.png" "$work/grey.drawn.png"
if [[ -z "$(shown_as_drawn "$work/grey")" ]]; then pass; else fail "a window shown as it draws itself fails"; fi
cp "$work/black.png" "$work/grey.drawn.png"
if [[ -n "$(shown_as_drawn "$work/grey")" ]]; then pass; else fail "a window not shown passes"; fi

# shellcheck source=../e2e/office.sh
source "$root/tests/e2e/office.sh"

# snapshots SHOTS SCRIPT [SETUP]: plays the script with trv, which takes the
# pictures it asks for into SHOTS; then checks each picture.
snapshots() {
    local shots=$1 script=$2 setup=${3:-}
    fresh_office "$work/office" "$setup"
    if ! (cd "$W" && "$trv" play "$script" --ini "$W/trv.ini" --user tester --screenshots "$shots") > "$W/transcript.txt" 2>&1; then
        fail "trv play $(basename "$script"):"
        sed 's/^/    /' "$W/transcript.txt" | grep -v '^    > ' | head -n 40
    fi
    local snap shot window problem
    while read -r snap shot window; do
        [[ $snap == snap ]] || continue
        if [[ -f "$shots/$shot.rect" ]]; then
            problem=$(picture_problem "$shots/$shot.png" $(cut -d' ' -f3,4 "$shots/$shot.rect"))
            [[ -n "$problem" ]] || problem=$(shown_as_drawn "$shots/$shot")
            if [[ -z "$problem" ]]; then pass; else fail "$problem"; fi
        else
            fail "$shot: no screenshot:"
            grep "^CHECK $shot:" "$W/transcript.txt" | sed 's/^/    /'
        fi
    done < "$script"
}

# with_openbox COMMAND...: runs the command while openbox manages the display.
with_openbox() {
    local wm="" attempt waited
    # Now and then openbox cannot open a display that has only just started;
    # it then ends at once and is started again.
    for attempt in 1 2 3; do
        openbox > "$work/openbox.log" 2>&1 &
        wm=$!
        waited=0
        # openbox announces itself on the root window once it manages the screen.
        until xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; do
            if ! kill -0 "$wm" 2> /dev/null || ((waited++ > 100)); then
                kill "$wm" 2> /dev/null
                wm=""
                break
            fi
            sleep 0.1
        done
        [[ -n "$wm" ]] && break
    done
    if [[ -z "$wm" ]]; then
        fail "openbox did not start:"
        cat "$work/openbox.log"
        return
    fi
    "$@"
    kill "$wm"
    wait "$wm" 2> /dev/null
    # The next window manager announces itself afresh.
    xprop -root -remove _NET_SUPPORTING_WM_CHECK 2> /dev/null
}

all_windows() {
    local shots=$1
    mkdir -p "$shots"
    TRV_DEMO_DELIVERY=/srv/office/delivery/ snapshots "$shots" "$screens/screens.txt" "$screens/screens.setup.sh"
    local script
    for script in "$screens"/path-problem-*.txt; do
        snapshots "$shots" "$script" "$screens/path-problem.setup.sh"
    done
    snapshots "$shots" "$root/tests/x11/screens.txt" "$root/tests/x11/screens.setup.sh"
}

end_to_end() {
    local name
    while read -r name; do
        [[ -z "$name" || $name == \#* ]] && continue
        if bash "$root/tests/e2e/run_case.sh" "$trv" "$root/tests/e2e/$name" "$work/e2e/$name" > "$work/e2e-$name.log" 2>&1; then
            pass
        else
            fail "e2e.$name played by trv:"
            sed 's/^/    /' "$work/e2e-$name.log" | head -n 40
        fi
    done < "$screens/play-cases.txt"
}

all_windows "$work/screenshots-no-wm"
with_openbox all_windows "$work/screenshots"
with_openbox end_to_end

echo "$passed passed, $failed failed"
((failed == 0))
