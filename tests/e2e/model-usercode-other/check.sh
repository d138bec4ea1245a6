# Exactly the ten folders of the tree, and nothing else.
expected='projects/PROJECTS
projects/PROJECTS/KLV-13000-C000
projects/PROJECTS/KLV-13000-C000/AS-BUILT
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Civil
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Civil/MODEL_FILES
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Civil/SHEET_FILES
projects/PROJECTS/KLV-13000-C000/DESIGN
projects/PROJECTS/KLV-13000-C000/DESIGN/Civil
projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES
projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/SHEET_FILES'
actual=$(find projects/PROJECTS -type d | LC_ALL=C sort)
[ "$actual" = "$expected" ] && [ -z "$(find projects/PROJECTS ! -type d)" ]
