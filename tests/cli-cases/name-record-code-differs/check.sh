set -e
# Where the window's copy and the naming check look: the project of the file name.
printf 'floor plan template' |
    cmp - projects/PROJECTS/KLV-66666-C000/DESIGN/Architectural/MODEL_FILES/KLV-55555-C000-01-A-FP-00-00.dwg
[ "$(ls projects/PROJECTS)" = KLV-66666-C000 ]
"$CLI" check --project KLV-66666-C000 --type design --no-report --ini "$W/trv.ini" --user tester |
    grep -q 'KLV-66666-C000 DESIGN: .* findings'
