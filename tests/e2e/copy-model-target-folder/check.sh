set -e
p=projects/PROJECTS/KLV-13000-C000/DESIGN
[ ! -e "$p/Civil" ] || [ -z "$(ls -A "$p/Civil/MODEL_FILES")" ]
[ -z "$(ls -A "$p/Architectural/MODEL_FILES")" ]
