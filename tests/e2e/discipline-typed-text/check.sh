set -e
p=projects/PROJECTS/KLV-13000-C000
[ -d "$p/DESIGN/Combined Disciplines/SHEET_FILES" ]
[ -d "$p/AS-BUILT/architectural/MODEL_FILES" ]
# The typed text names the folders as spelled; no other discipline folder appears.
[ "$(ls "$p/DESIGN" | sort | tr '\n' '|')" = "Combined Disciplines|architectural|" ]
