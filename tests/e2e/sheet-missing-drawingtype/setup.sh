d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
mkdir -p "$d" && printf 's' > "$d/KLV-13000-C000-01-A-2000.dwg"
