# The saved project has no record file any more.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/curproject.txt"
printf '"Architectural"\r\n' > "$d/curdiscipline.txt"
rm "$W/resources/projectscodes/KLV-13000-C000.txt"
