printf 'style' > resources/style_sheets/KLV-13000-C000.dwg
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
mkdir -p "$d" && printf 'existing sheet' > "$d/KLV-13000-C000-01-A-2101-A.dwg"
