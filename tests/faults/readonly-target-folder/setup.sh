# The project's model and sheet folders are there but read-only; one holds a
# drawing, and a temporary file that a killed copy left long ago.
p=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural
mkdir -p "$p/MODEL_FILES" "$p/SHEET_FILES" templates/Architectural
printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
printf 'style sheet' > resources/style_sheets/KLV-13000-C000.dwg
printf 'my floor plan' > "$p/MODEL_FILES/KLV-13000-C000-01-A-FP-F2-P0.dwg"
printf 'left by a killed copy' > "$p/MODEL_FILES/.trv-Ab12Z9"
touch -d '2 minutes ago' "$p/MODEL_FILES/.trv-Ab12Z9"
chown -R --reference=. projects templates resources
chmod a-w "$p/MODEL_FILES" "$p/SHEET_FILES"
