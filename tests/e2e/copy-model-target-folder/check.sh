set -e
p=projects/PROJECTS/KLV-13000-C000/DESIGN
cmp templates/Civil/Legend.dwg "$p/Civil/MODEL_FILES/KLV-13000-C000-01-A-LG-00-00.dwg"
[ -z "$(ls -A "$p/Architectural/MODEL_FILES")" ]
