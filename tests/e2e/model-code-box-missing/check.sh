set -e
[ ! -e projects/PROJECTS/KLV-99999-Z000 ]
[ -d projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES ]
