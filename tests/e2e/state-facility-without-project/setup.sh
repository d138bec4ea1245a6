# Only the facility number was saved.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"07"\r\n' > "$d/facilnumber.txt"
