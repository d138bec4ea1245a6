# A drawing type file of blank lines only.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/curproject.txt"
printf '"Architectural"\r\n' > "$d/curdiscipline.txt"
printf '  \r\n\r\n' > "$d/curdrawingtype.txt"
