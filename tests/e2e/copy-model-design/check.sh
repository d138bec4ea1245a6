set -e
p=projects/PROJECTS/KLV-13000-C000
cmp "templates/Architectural/Floor Plan.dwg" "$p/DESIGN/Architectural/MODEL_FILES/KLV-13000-C000-01-A-FP-F1-P0.dwg"
cmp "templates/Architectural/Roof Plan.dwg" "$p/DESIGN/Architectural/MODEL_FILES/KLV-13000-C000-01-A-RP-F2-P0.dwg"
[ -z "$(ls -A "$p/AS-BUILT/Architectural/MODEL_FILES")" ]
printf '"version 5.0"\r\n' | cmp - "$p/TRV version 5.0"
