# The composition makes the project's folders ready, as the window's does,
# and leaves the user's saved choices alone.
set -e
for t in DESIGN AS-BUILT; do
    [ -d "projects/PROJECTS/KLV-13000-C000/$t/Architectural/MODEL_FILES" ]
    [ -d "projects/PROJECTS/KLV-13000-C000/$t/Architectural/SHEET_FILES" ]
done
[ ! -e projects/tester/PROJECTS/curproject.txt ]
