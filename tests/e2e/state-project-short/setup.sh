# curproject.txt holds two of its three fields.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TER' > "$d/curproject.txt"
printf '"Architectural"\r\n' > "$d/curdiscipline.txt"
