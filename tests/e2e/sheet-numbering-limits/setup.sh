d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
b=KLV-13000-C000-01-A-
mkdir -p "$d"
for n in 5999 6999 61000 8005 8ABC "9+12" "0 12"; do printf 's' > "$d/$b$n.dwg"; done
