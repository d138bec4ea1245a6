# A record whose code differs from its file name: the project is the file's,
# the names carry the record's internal code.
printf '"KLV-55555-C000","MISMATCH"\r\n' > resources/projectscodes/KLV-66666-C000.txt
mkdir -p templates/Architectural && printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
