# All four saved choice files.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/curproject.txt"
printf '"AS-BUILT"\r\n' > "$d/curdrawingtype.txt"
printf '"Architectural"\r\n' > "$d/curdiscipline.txt"
printf '"07"\r\n' > "$d/facilnumber.txt"
