set -e
p=projects/PROJECTS/KLV-13000-C000
for n in 2000 2001; do cmp resources/style_sheets/KLV-13000-C000.dwg "$p/DESIGN/Architectural/SHEET_FILES/KLV-13000-C000-01-A-$n.dwg"; done
printf '"version 5.0"\r\n' | cmp - "$p/TRV version 5.0"
