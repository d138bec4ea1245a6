mkdir -p templates/Architectural && printf 'tpl' > "templates/Architectural/Floor Plan.dwg"
