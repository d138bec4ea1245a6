# The drawing exists, its template has gone.
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
mkdir -p "$d" && printf 'drawing' > "$d/KLV-13000-C000-01-A-FP-F1-P0.dwg"
