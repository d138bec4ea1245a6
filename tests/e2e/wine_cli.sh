#!/usr/bin/env bash
# Stands in for trv-cli when run_case.sh plays a case with the Windows build
# under Wine (scripts/test-windows):
#
#   TRV_WINE=/usr/lib/wine/wine64 TRV_CLI_EXE=.../trv-cli.exe \
#       bash run_case.sh wine-trv-cli CASE_DIR WORK_DIR
#
# where wine-trv-cli runs this script. The office is laid out as for POSIX;
# this script hands the program Windows paths and turns its transcript back,
# so that one expected.txt serves both systems:
# - in trv.ini, every office path ($W...) becomes its Windows form
#   (Z:\...\case\resources), backslashes throughout;
# - the script and --ini arguments are given as Windows paths;
# - in the transcript, the office's Windows path becomes $W again (run_case.sh
#   then shows it as <office>), the backslashes of the path after it become
#   '/' (a run of them one '/', as the POSIX build shows a path), and the CR
#   of each CR LF line end goes.
# A backslash after an office path followed by 'r' or 'n' is taken for the
# transcript's escaped line break unless the path before it is a folder.
set -uo pipefail
: "${TRV_WINE:?the Wine loader}" "${TRV_CLI_EXE:?trv-cli.exe}" "${W:?the office folder (set by run_case.sh)}"

# Wine's drive Z: is the root of the POSIX file system, so a POSIX path has a
# fixed Windows form (winpath). (Asking winepath each time starts a Wine
# process, which now and then answers nothing on a loaded machine.)
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

# TRV_WINE_OFFICE names the office otherwise, for example by a server path
# (\\server\share) that Wine's dosdevices/unc/server/share leads to $W.
win_office=${TRV_WINE_OFFICE:-$(winpath "$W")}
export TRV_POSIX_OFFICE=$W TRV_WIN_OFFICE=$win_office

if [[ -f "$W/trv.ini" ]]; then
    perl -pi -e 's{\Q$ENV{TRV_POSIX_OFFICE}\E([^\r\n]*)}{ my $rest = $1; $rest =~ tr{/}{\\}; $ENV{TRV_WIN_OFFICE} . $rest }ge' \
        "$W/trv.ini"
fi

# Absolute POSIX paths among the arguments (the script, --ini) go over as Windows paths.
args=()
for a in "$@"; do
    if [[ "$a" == /* ]]; then
        args+=("$(winpath "$a")")
    else
        args+=("$a")
    fi
done

raw=$(mktemp)
raw_err=$(mktemp)
trap 'rm -f "$raw" "$raw_err"' EXIT
# A script's transcript keeps the order in which the program wrote to its two
# streams; a batch command's streams are compared apart
# (TRV_WINE_SEPARATE_STREAMS=1), its standard output byte for byte (the CR LF
# line ends of its CSV included), its messages on standard error as lines.
if [[ -n ${TRV_WINE_SEPARATE_STREAMS:-} ]]; then
    "$TRV_WINE" "$TRV_CLI_EXE" "${args[@]}" > "$raw" 2> "$raw_err"
else
    "$TRV_WINE" "$TRV_CLI_EXE" "${args[@]}" > "$raw" 2>&1
fi
status=$?

# back_to_posix FILE: the transcript in FILE as the POSIX build prints it.
back_to_posix() {
perl -ne '
    my $posix = $ENV{TRV_POSIX_OFFICE};
    my $win = $ENV{TRV_WIN_OFFICE};
    s/\r\n\z/\n/ if $ENV{TRV_WINE_TEXT_LINES};
    my $out = "";
    while ((my $at = index($_, $win)) >= 0) {
        $out .= substr($_, 0, $at) . $posix;
        $_ = substr($_, $at + length $win);
        my $path = $posix;
        my $i = 0;
        while ($i < length $_) {
            my $c = substr($_, $i, 1);
            last if substr($_, $i, length $win) eq $win;
            if ($c eq "\\") {
                my $next = substr($_, $i + 1, 1);
                last if ($next eq "r" || $next eq "n") && !-d $path;
                $out .= "/" unless substr($out, -1) eq "/";
                $path .= "/";
                $i++;
                next;
            }
            $out .= $c;
            $path .= $c;
            $i++;
        }
        $_ = substr($_, $i);
    }
    print $out . $_;
' "$1"
}
if [[ -n ${TRV_WINE_SEPARATE_STREAMS:-} ]]; then
    back_to_posix "$raw"
    TRV_WINE_TEXT_LINES=1 back_to_posix "$raw_err" >&2
else
    TRV_WINE_TEXT_LINES=1 back_to_posix "$raw"
fi
exit $status
