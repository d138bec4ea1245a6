set -e
r=projects/PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt
for entry in "Structural could not be read" "MODEL_FILES Folder for Civil could not be read" \
    "SHEET_FILES Folder for Plumbing could not be read" "SHEET_FILES Folder for Roads could not be read"; do
    tr -d '\r' < $r | grep -qx "\"$entry\"" || { echo "the report lacks: $entry"; exit 1; }
done
