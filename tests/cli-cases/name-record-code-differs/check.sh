set -e
# The batch command does what the window's copy does with such a record: the
# folders are made for the record's code, the copy looks in the file name's
# project, and nothing is created there.
[ -z "$(find projects -name '*.dwg')" ]
[ -d projects/PROJECTS/KLV-55555-C000/DESIGN/Architectural/MODEL_FILES ]
[ ! -e projects/PROJECTS/KLV-66666-C000/DESIGN ]
