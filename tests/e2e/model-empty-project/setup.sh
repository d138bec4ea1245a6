# An empty curproject.txt, as a full disk or a sync tool may leave one.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
: > "$d/curproject.txt"
