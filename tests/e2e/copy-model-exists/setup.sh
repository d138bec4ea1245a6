mkdir -p templates/Architectural && printf 'tpl' > "templates/Architectural/Floor Plan.dwg"
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
# The drawing exists already, its name in other letter case.
mkdir -p "$d" && printf 'my drawing' > "$d/klv-13000-c000-01-a-fp-f1-p0.dwg"
