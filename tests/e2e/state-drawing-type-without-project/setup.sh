# Only the drawing type was saved.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"AS-BUILT"\r\n' > "$d/curdrawingtype.txt"
