set -e
[ "$(cat projects/PROJECTS/KLV-13000-C000/DESIGN/Electrical/SHEET_FILES/KLV-13000-C000-01-E-5010-B.dwg)" = mine ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
