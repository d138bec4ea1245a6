mkdir -p templates/Architectural
printf 'floor plan template\r\n\000\377' > "templates/Architectural/Floor Plan.dwg"
printf 'roof plan template' > "templates/Architectural/Roof Plan.dwg"
