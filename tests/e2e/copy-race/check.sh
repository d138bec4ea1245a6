set -e
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
[ -L "$d/KLV-13000-C000-01-A-FP-F1-P0.dwg" ]
[ ! -e "$W/nowhere.dwg" ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
