set -e
[ -d projects/PROJECTS/KLV-21400-PB00/AS-BUILT/Architectural/SHEET_FILES ]
[ ! -e projects/PROJECTS/KLV-13000-C000 ]
