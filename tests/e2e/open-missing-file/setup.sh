mkdir -p templates/Architectural && printf 'tpl' > "templates/Architectural/Floor Plan.dwg"
printf "style" > resources/style_sheets/KLV-13000-C000.dwg
