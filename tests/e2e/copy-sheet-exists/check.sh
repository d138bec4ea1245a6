set -e
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
printf 'existing sheet' | cmp - "$d/KLV-13000-C000-01-A-2101-A.dwg"
[ "$(ls -A "$d")" = "KLV-13000-C000-01-A-2101-A.dwg" ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
