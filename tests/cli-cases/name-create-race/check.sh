# The command line and the window's "Copy Model Template to My Folder"
# create the same drawing at the same moment, round after round: exactly one
# of them creates it, the other is refused, and the drawing is the template.
# The command line starts a little later each round, so that it comes before,
# during and after the window's copy.
set -e
drawing=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES/KLV-13000-C000-01-A-FP-F1-P0.dwg
for round in $(seq 1 30); do
    rm -f "$drawing"
    "$CLI" play window-copy.txt --ini "$W/trv.ini" --user tester > window.out 2>&1 &
    sleep "$(printf '0.%03d' $((round * 7)))"
    "$CLI" name model --project KLV-13000-C000 --type design --discipline Architectural --model "Floor Plan" \
        --facility 01 --user-code F1-P0 --create --ini "$W/trv.ini" --user tester > cli.out 2> cli.err || true
    wait
    created=$(cat cli.err window.out | grep -c 'KLV-13000-C000-01-A-FP-F1-P0.dwg created\.$' || true)
    refused=$(cat cli.err window.out | grep -c -e 'already exists in the your' -e 'Unknown error during routine\.$' || true)
    if [ "$created" != 1 ] || [ "$refused" != 1 ]; then
        echo "round $round: $created created, $refused refused"
        cat cli.err window.out
        exit 1
    fi
    [ "$(cat "$drawing")" = "floor plan template" ]
done
