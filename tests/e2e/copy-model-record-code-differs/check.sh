set -e
# The window makes the folders of the record's code, then looks for the
# drawing's folder in the project it saved (the file name's): nothing is created.
[ -z "$(find projects -name '*.dwg')" ]
[ -d projects/PROJECTS/KLV-55555-C000/DESIGN/Architectural/MODEL_FILES ]
