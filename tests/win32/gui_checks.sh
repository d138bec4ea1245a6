#!/usr/bin/env bash
# The native Windows front end (trv.exe) under Wine, on the virtual X display
# that scripts/test-windows starts for it (xvfb-run):
# - every window on screen (tests/screens/: screens.txt, and the path-problem
#   window through each way into it): trv.exe checks each one against its
#   description through the Win32 API (self_check.h) and says where it is;
#   this script dumps the screen (xwd), cuts the window out (ImageMagick)
#   into $TRV_BUILD/screenshots-win32/NAME.png and checks the picture: the
#   window's size, and not one colour (tests/support/picture_check.sh);
# - the end-to-end cases of tests/screens/play-cases.txt, played by trv.exe
#   through its native controls: the transcripts must equal trv-cli's
#   expected ones;
# - the Windows ZIP (cpack): unpacked, its programs need no DLL beside
#   Windows', trv.exe tells its version and plays a line, trv-cli.exe plays
#   a small script.
# Writes "PASSED FAILED" to $TRV_GUI_COUNTS.
set -uo pipefail
: "${TRV_WINE:?the Wine loader}" "${TRV_WINESERVER:?the Wine server}" "${TRV_BUILD:?the MinGW build folder}"
: "${TRV_GUI_COUNTS:?where the counts go}" "${DISPLAY:?an X display (xvfb-run)}"
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/lib.sh
source "$root/scripts/lib.sh"
# shellcheck source=../support/picture_check.sh
source "$root/tests/support/picture_check.sh"
build=$TRV_BUILD
screens=$root/tests/screens
trv_exe=$build/win32/trv.exe
shots=$build/screenshots-win32
export TRV_WINE
# Wine says nothing of its own (its messages would mix with the transcripts),
# and never offers to install Mono or Gecko.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAILED $*"
}

# The GUI has a Wine prefix of its own, with one virtual desktop in which Wine
# draws every window as Windows does, frame and caption included, at the top
# left of the screen.
export WINEPREFIX=$build/wineprefix-gui
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "Preparing the Wine prefix $WINEPREFIX"
    "$TRV_WINE" wineboot -i > /dev/null 2>&1
    "$TRV_WINESERVER" -w
    # Wine's own fonts (fonts-wine) where its programs look for them:
    # MS Sans Serif, in which the windows were laid out, and the symbols of
    # the caption buttons.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2> /dev/null || true
fi
if ! grep -q '"TRV"="1280x1024"' "$WINEPREFIX/user.reg" 2> /dev/null; then
    "$TRV_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d TRV /f > /dev/null 2>&1
    "$TRV_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v TRV /d 1280x1024 /f > /dev/null 2>&1
    "$TRV_WINESERVER" -w
fi
"$TRV_WINESERVER" -p || true
trap '"$TRV_WINESERVER" -k 2> /dev/null || true' EXIT

# shellcheck source=../e2e/office.sh
source "$root/tests/e2e/office.sh"

# snapshots NAME SCRIPT [SETUP]: plays the script with trv.exe, taking the
# screenshots it asks for.
snapshots() {
    local name=$1 script=$2 setup=${3:-}
    fresh_office "$build/win32-work/$name" "$setup"
    TRV_CLI_EXE=$trv_exe bash "$root/tests/e2e/wine_cli.sh" play "$script" --ini "$W/trv.ini" --user tester \
        --screenshots "$shots" > "$W/transcript.txt" 2>&1 &
    local pid=$! ready shot x y w h id
    while kill -0 "$pid" 2> /dev/null; do
        for ready in "$shots"/*.ready; do
            [[ -f "$ready" ]] || continue
            shot=${ready%.ready}
            read -r x y w h < "$ready" || true
            [[ -n "${h:-}" ]] || continue
            # The window's own X window in Wine's desktop: the one at its place.
            id=$(xwininfo -root -tree | awk -v at="${w}x${h}+${x}+${y}" '$0 ~ /trv\.exe/ && index($0, " " at " ") {print $1; exit}')
            if [[ -n "$id" ]]; then
                xwd -id "$id" -silent | convert xwd:- "$shot.png"
            else
                xwd -root -silent | convert xwd:- -crop "${w}x${h}+${x}+${y}" +repage "$shot.png"
            fi
            mv "$ready" "$shot.rect"
            touch "$shot.done"
        done
        sleep 0.2
    done
    wait "$pid"
    local status=$?
    if [[ $status != 0 ]]; then
        fail "trv.exe play $(basename "$script") exited with $status:"
        sed 's/^/    /' "$W/transcript.txt" | grep -v '^    > ' | head -n 40
    fi
    # Every window asked for is in a picture of its size, drawn.
    local snap window problem
    while read -r snap shot window; do
        [[ $snap == snap ]] || continue
        if ! grep -q "^CHECK $shot:" "$W/transcript.txt" && [[ -f "$shots/$shot.png" ]]; then
            problem=$(picture_problem "$shots/$shot.png" $(cut -d' ' -f3,4 "$shots/$shot.rect"))
            if [[ -z "$problem" ]]; then pass; else fail "$problem"; fi
        else
            fail "$shot: no screenshot, or the window differs from its description:"
            grep "^CHECK $shot:" "$W/transcript.txt" | sed 's/^/    /' | head -n 20
        fi
    done < "$script"
}

rm -rf "$shots"
mkdir -p "$shots"
phase=$SECONDS
# The delivery window shows a destination of the demo office's.
TRV_DEMO_DELIVERY='C:\Office\delivery\' snapshots screens "$screens/screens.txt" "$screens/screens.setup.sh"
for script in "$screens"/path-problem-*.txt; do
    snapshots "$(basename "$script" .txt)" "$script" "$screens/path-problem.setup.sh"
done
echo "screenshots of the native windows in $shots: $((SECONDS - phase)) s"

# ---- end-to-end cases through the native controls ----
phase=$SECONDS
cli=$build/wine-trv-cli
mkdir -p "$build/win32-e2e-logs"
while read -r name; do
    [[ -z "$name" || $name == \#* ]] && continue
    if TRV_CLI_EXE=$trv_exe case_under_wine "$build/win32-e2e-logs/$name.log" \
        bash "$root/tests/e2e/run_case.sh" "$cli" "$root/tests/e2e/$name" "$build/win32-e2e/$name"; then
        pass
    else
        fail "e2e.$name played by trv.exe:"
        sed 's/^/    /' "$build/win32-e2e-logs/$name.log" | head -n 40
    fi
done < "$screens/play-cases.txt"
echo "end-to-end cases through the native controls: $((SECONDS - phase)) s"

# ---- the Windows ZIP ----
phase=$SECONDS
zip_check() {
    local zip unpacked dir
    (cd "$build" && cpack -G ZIP > cpack.log 2>&1) || {
        fail "cpack:"
        tail -n 20 "$build/cpack.log"
        return
    }
    zip=$(ls "$build"/TRV-*-windows-*.zip | head -n 1)
    unpacked=$build/zip-check
    rm -rf "$unpacked"
    mkdir -p "$unpacked"
    (cd "$unpacked" && cmake -E tar xf "$zip")
    dir=$(ls -d "$unpacked"/TRV-*)
    local f
    for f in bin/trv.exe bin/trv-cli.exe bin/trv.ini resources/vb_server/modelfilescodes.txt \
        resources/vb_server/FindModelFilesCodes2.csv; do
        if [[ -f "$dir/$f" ]]; then pass; else fail "the ZIP has no $f"; fi
    done
    # Nothing but Windows' own libraries.
    local foreign
    foreign=$(x86_64-w64-mingw32-objdump -p "$dir"/bin/*.exe | sed -n 's/.*DLL Name: //p' | sort -u |
        grep -viE '^(kernel32|user32|gdi32|comctl32|shell32|advapi32|msvcrt|ole32|oleaut32|shlwapi|ws2_32|api-ms-win-.*)\.dll$' || true)
    if [[ -z "$foreign" ]]; then pass; else fail "the programs need DLLs beside Windows': $foreign"; fi

    local version
    version=$("$TRV_WINE" "$dir/bin/trv.exe" --version 2>&1 | tr -d '\r')
    if [[ "$version" == "TRV Version 5.0" ]]; then pass; else fail "trv.exe --version said: $version"; fi

    fresh_office "$build/zip-work"
    printf 'print Form1\n' > "$W/one-line.txt"
    local out
    out=$(TRV_CLI_EXE=$dir/bin/trv.exe bash "$root/tests/e2e/wine_cli.sh" play "$W/one-line.txt" --ini "$W/trv.ini" \
        --user tester 2>&1)
    if [[ "$out" == $'> print Form1\nForm1 is shown' ]]; then pass; else fail "trv.exe play of one line said: $out"; fi
    printf 'choose cmbProjectCode KLV-21400-PB00\nprint txtprojname\n' > "$W/small.txt"
    out=$(TRV_CLI_EXE=$dir/bin/trv-cli.exe bash "$root/tests/e2e/wine_cli.sh" play "$W/small.txt" --ini "$W/trv.ini" \
        --user tester 2>&1)
    local expected=$'> choose cmbProjectCode KLV-21400-PB00\n> print txtprojname\ntxtprojname = "NORTH DEPOT WORKSHOPS"'
    if [[ "$out" == "$expected" ]]; then pass; else fail "trv-cli.exe play of a small script said: $out"; fi
}
zip_check
echo "the Windows ZIP: $((SECONDS - phase)) s"

echo "$passed $failed" > "$TRV_GUI_COUNTS"
