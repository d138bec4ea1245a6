set -e
f="projects/PROJECTS/KLV-13000-C000/AS-BUILT/Civil/MODEL_FILES/KLV-13000-C000-02-C-GP-1X-02.dwg"
[ "$(cat "$f")" = "grading template" ]
[ -f "projects/PROJECTS/KLV-13000-C000/TRV version 5.0" ]
