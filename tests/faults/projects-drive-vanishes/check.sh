set -e
# The day's work survived the drive's absence, whole.
p=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural
cmp "templates/Architectural/Floor Plan.dwg" "$p/MODEL_FILES/KLV-13000-C000-01-A-FP-F1-P0.dwg"
for n in 2000 2001; do cmp resources/style_sheets/KLV-13000-C000.dwg "$p/SHEET_FILES/KLV-13000-C000-01-A-$n.dwg"; done
s=projects/tester/PROJECTS
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' | cmp - "$s/curproject.txt"
printf '"DESIGN"\r\n' | cmp - "$s/curdrawingtype.txt"
printf '"Architectural"\r\n' | cmp - "$s/curdiscipline.txt"
printf '"01"\r\n' | cmp - "$s/facilnumber.txt"
[ -z "$(find projects -name '.trv-*')" ]
