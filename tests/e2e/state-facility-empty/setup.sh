# An empty facility number file.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/curproject.txt"
: > "$d/facilnumber.txt"
