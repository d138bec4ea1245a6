mkdir -p templates/Architectural && printf 'tpl' > "templates/Architectural/Floor Plan.dwg"
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
# An entry of the drawing's name that the existence test does not see as a
# drawing (a link to nothing): it stands for a drawing created meanwhile.
mkdir -p "$d" && ln -s "$W/nowhere.dwg" "$d/KLV-13000-C000-01-A-FP-F1-P0.dwg"
