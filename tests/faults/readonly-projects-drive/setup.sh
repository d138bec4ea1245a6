# The user worked here before: saved choices and a drawing on the projects
# drive. Then the whole drive became read-only.
s=projects/tester/PROJECTS
m=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES
mkdir -p "$s" "$m" templates/Architectural
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$s/curproject.txt"
printf '"DESIGN"\r\n' > "$s/curdrawingtype.txt"
printf '"Architectural"\r\n' > "$s/curdiscipline.txt"
printf '"01"\r\n' > "$s/facilnumber.txt"
printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
printf 'style sheet' > resources/style_sheets/KLV-13000-C000.dwg
printf 'my floor plan' > "$m/KLV-13000-C000-01-A-FP-F1-P0.dwg"
chown -R --reference=. projects templates resources
(cd projects && find . -type f -exec sha1sum {} + | sort -k2) > before.sha1
chmod -R a-w projects
