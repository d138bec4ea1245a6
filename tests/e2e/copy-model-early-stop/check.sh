set -e
[ -z "$(ls -A projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES)" ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
