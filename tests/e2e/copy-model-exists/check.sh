set -e
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
printf 'my drawing' | cmp - "$d/klv-13000-c000-01-a-fp-f1-p0.dwg"
[ "$(ls -A "$d")" = "klv-13000-c000-01-a-fp-f1-p0.dwg" ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
