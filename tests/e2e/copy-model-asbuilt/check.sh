set -e
p=projects/PROJECTS/KLV-13000-C000
cmp "templates/Civil/Site Plan.dwg" "$p/AS-BUILT/Civil/MODEL_FILES/KLV-13000-C000-01-C-SP-01-02.dwg"
[ -z "$(ls -A "$p/DESIGN/Civil/MODEL_FILES")" ]
printf 'keep me' | cmp - "$p/TRV version 5.0"
