set -e
printf 'floor plan template' |
    cmp - projects/PROJECTS/KLV-66666-C000/DESIGN/Architectural/MODEL_FILES/KLV-55555-C000-01-A-FP-00-00.dwg
[ "$(ls projects/PROJECTS)" = KLV-66666-C000 ]
