# Only the Architectural tree (made before the model type is looked at); nothing
# beside or above it, and no file.
expected='projects/PROJECTS
projects/PROJECTS/KLV-13000-C000
projects/PROJECTS/KLV-13000-C000/AS-BUILT
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Architectural
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Architectural/MODEL_FILES
projects/PROJECTS/KLV-13000-C000/AS-BUILT/Architectural/SHEET_FILES
projects/PROJECTS/KLV-13000-C000/DESIGN
projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural
projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES'
actual=$(find projects/PROJECTS | LC_ALL=C sort)
[ "$actual" = "$expected" ] && [ ! -e projects/MODEL_FILES ] && [ ! -e projects/SHEET_FILES ]
