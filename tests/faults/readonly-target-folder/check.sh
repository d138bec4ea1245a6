set -e
p=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural
[ "$(ls -A "$p/MODEL_FILES" | tr '\n' ' ')" = ".trv-Ab12Z9 KLV-13000-C000-01-A-FP-F2-P0.dwg " ]
printf 'my floor plan' | cmp - "$p/MODEL_FILES/KLV-13000-C000-01-A-FP-F2-P0.dwg"
[ -z "$(ls -A "$p/SHEET_FILES")" ]
[ ! -e "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
