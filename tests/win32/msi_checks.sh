#!/usr/bin/env bash
# The Windows installer under Wine (run by scripts/test-windows; no display):
# packaging/windows/make-msi builds the package of the build's version and one
# of the next version; in a Wine prefix of their own:
# - the package's tables: what Wine cannot show (the Start menu entry for
#   every user, its icon, the entry in the installed programs, the attributes
#   that keep trv.ini) read with msiinfo;
# - msiexec /i /qn installs silently; the installed trv.exe and trv-cli.exe
#   tell their version; the administrator puts the office's folders into the
#   installed trv.ini, and the installed trv-cli.exe, reading it, plays an
#   end-to-end case on an office holding the installed data files;
# - the next version installs over it: one TRV in the installed programs, of
#   the new version, trv.ini as the administrator left it; the earlier
#   version then refuses to install;
# - msiexec /x /qn removes everything but trv.ini.
# Writes "PASSED FAILED" to $TRV_MSI_COUNTS.
set -uo pipefail
: "${TRV_WINE:?the Wine loader}" "${TRV_WINESERVER:?the Wine server}" "${TRV_BUILD:?the MinGW build folder}"
: "${TRV_MSI_COUNTS:?where the counts go}"
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib.sh"
source "$root/tests/e2e/office.sh"
build=$TRV_BUILD
wine=$TRV_WINE
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED $what"
    fi
}

packages=$build/packages
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
next=${version%%.*}.$((${version#*.} + 1))
if ! msi=$(bash "$root/packaging/windows/make-msi" "$build" "$packages") ||
    ! next_msi=$(bash "$root/packaging/windows/make-msi" "$build" "$packages" "$next"); then
    echo "FAILED make-msi"
    echo "0 1" > "$TRV_MSI_COUNTS"
    exit 0
fi
echo "built $msi and, to test upgrades, $next_msi"

# ---- the package's tables ----
# (msiinfo writes the streams of a table it exports, the icon's, into the folder it runs in.)
cd "$packages"
table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r'; }
row() { table "$1" | grep -qxF -- "$2"; }
tab=$'\t'
check "the package installs per machine (ALLUSERS=1)" row Property "ALLUSERS${tab}1"
check "the package's version is the build's ($version)" row Property "ProductVersion${tab}$version"
check "the installed programs show the icon" row Property "ARPPRODUCTICON${tab}trv.ico"
check "the icon is in the package" row Icon "trv.ico${tab}Icon.trv.ico"
check "the programs go to Program Files\\TRV" row Directory "INSTALLDIR${tab}ProgramFiles64Folder${tab}TRV"
check "the Start menu entry TRV starts trv.exe with the icon" \
    bash -c "msiinfo export '$msi' Shortcut | tr -d '\\r' | grep -qP '^StartMenuShortcut\tProgramMenuFolder\tTRV\tStartMenu\t\[#trv.exe\]\t.*\ttrv.ico\t\t\tINSTALLDIR\t'"
# 400: 64-bit (256), NeverOverwrite (128), Permanent (16).
check "trv.ini is never overwritten nor removed (Settings: 400)" \
    bash -c "msiinfo export '$msi' Component | tr -d '\\r' | grep -qP '^Settings\t\{[0-9A-F-]+\}\tINSTALLDIR\t400\t\ttrv.ini$'"
upgrade_code=$(table Property | sed -n 's/^UpgradeCode\t//p')
check "a later version replaces this one, an earlier one is refused" \
    test "$(table Upgrade)" == "$upgrade_code${tab}${tab}$version${tab}${tab}1${tab}${tab}WIX_UPGRADE_DETECTED
$upgrade_code${tab}$version${tab}${tab}${tab}2${tab}${tab}WIX_DOWNGRADE_DETECTED"
check "the two versions share the upgrade code" \
    test "$(msiinfo export "$next_msi" Property | tr -d '\r' | sed -n 's/^UpgradeCode\t//p')" == "$upgrade_code"

# ---- installing, upgrading, uninstalling under Wine ----
export WINEPREFIX=$build/wineprefix-msi
"$TRV_WINESERVER" -k 2> /dev/null || true
rm -rf "$WINEPREFIX"
"$wine" wineboot -i > /dev/null 2>&1
"$TRV_WINESERVER" -p || true
trap '"$TRV_WINESERVER" -k 2> /dev/null || true' EXIT
installed=$WINEPREFIX/drive_c/Program\ Files/TRV
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The versions of TRV the installed programs list.
listed() { "$wine" reg query "$uninstall_key" /s 2> /dev/null | tr -d '\r' |
    awk '/^HKEY/ { name = ""; version = "" } /DisplayName/ { name = $3 } /DisplayVersion/ { version = $3 }
         name == "TRV" && version != "" { print version; name = "" }'; }

check "msiexec /i $(basename "$msi") /qn" "$wine" msiexec /i "$(winpath "$msi")" /qn
for f in trv.exe trv-cli.exe trv.ini resources/vb_server/modelfilescodes.txt resources/vb_server/FindModelFilesCodes2.csv; do
    check "the installation has $f" test -f "$installed/$f"
done
check "the installed programs list TRV $version" test "$(listed)" == "$version"
# Wine makes the entry in the Start menu of the user who installs.
check "the Start menu has TRV" test -n "$(find "$WINEPREFIX/drive_c" -name TRV.lnk)"
out=$("$wine" "C:\\Program Files\\TRV\\trv.exe" --version 2>&1 | tr -d '\r')
check "the installed trv.exe --version said: $out" test "$out" == "TRV Version $version"
out=$("$wine" "C:\\Program Files\\TRV\\trv-cli.exe" --version 2>&1 | tr -d '\r')
check "the installed trv-cli.exe --version said: $out" test "$out" == "trv-cli $version"

# The administrator's part: the office's folders in the installed trv.ini,
# the installed data files in the resource folder.
case_dir=$root/tests/e2e/copy-model-design
fresh_office "$build/msi-office" "$case_dir/setup.sh"
rm -f "$W"/resources/vb_server/*
cp "$installed"/resources/vb_server/* "$W/resources/vb_server/"
TRV_WIN_OFFICE=$(winpath "$W") perl -pe \
    's{\Q$ENV{W}\E([^\r\n]*)}{ my $rest = $1; $rest =~ tr{/}{\\}; $ENV{TRV_WIN_OFFICE} . $rest }ge' \
    "$W/trv.ini" > "$installed/trv.ini"
rm "$W/trv.ini"
edited=$(md5sum < "$installed/trv.ini")
play_installed() {
    TRV_WINE=$wine TRV_CLI_EXE="$installed/trv-cli.exe" bash "$root/tests/e2e/wine_cli.sh" \
        play "$case_dir/script.txt" --user tester 2>&1 | sed "s|$W|<office>|g" > "$W/transcript.txt"
    diff -u "$case_dir/expected.txt" "$W/transcript.txt"
}
check "the installed trv-cli.exe plays copy-model-design with the installed trv.ini and data files" play_installed

check "msiexec /i $(basename "$next_msi") /qn over $version" "$wine" msiexec /i "$(winpath "$next_msi")" /qn
check "the installed programs list TRV $next only" test "$(listed)" == "$next"
check "trv.ini is as the administrator left it after the upgrade" test "$(md5sum < "$installed/trv.ini")" == "$edited"
check "the upgraded installation has trv.exe" test -f "$installed/trv.exe"
check "$version refuses to install over $next" bash -c "! '$wine' msiexec /i '$(winpath "$msi")' /qn"

check "msiexec /x $(basename "$next_msi") /qn" "$wine" msiexec /x "$(winpath "$next_msi")" /qn
check "the uninstall leaves trv.ini alone, as it was" test "$(md5sum < "$installed/trv.ini")" == "$edited"
left=$(cd "$installed" && find . -mindepth 1 | sort | tr '\n' ' ')
check "the uninstall removes everything else (left: $left)" test "$left" == "./trv.ini "
check "the installed programs list no TRV" test -z "$(listed)"
check "the Start menu has no TRV" test -z "$(find "$WINEPREFIX/drive_c" -name TRV.lnk)"

echo "$passed $failed" > "$TRV_MSI_COUNTS"
