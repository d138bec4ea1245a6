# The four files, each stored under another letter case.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/CURPROJECT.TXT"
printf '"AS-BUILT"\r\n' > "$d/CurDrawingType.txt"
printf '"Architectural"\r\n' > "$d/curDiscipline.txt"
printf '"07"\r\n' > "$d/Facilnumber.txt"
