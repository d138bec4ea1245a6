# A record whose code differs from its file name.
printf '"KLV-55555-C000","MISMATCH"\r\n' > resources/projectscodes/KLV-66666-C000.txt
mkdir -p templates/Architectural && printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
