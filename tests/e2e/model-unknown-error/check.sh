set -e
[ -d projects/PROJECTS/KLV-13000-C000/AS-BUILT/Architectural/SHEET_FILES ]
[ ! -e projects/tester/PROJECTS/curproject.txt ]
