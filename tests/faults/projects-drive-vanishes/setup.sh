mkdir -p templates/Architectural
printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
printf 'style sheet' > resources/style_sheets/KLV-13000-C000.dwg
chown -R --reference=. templates resources
