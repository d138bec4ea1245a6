# An unreadable drawing type file.
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$d/curproject.txt"
printf '"Architectural"\r\n' > "$d/curdiscipline.txt"
# A file that is there but cannot be read: reading its target fails (EIO).
ln -s /proc/self/mem "$d/curdrawingtype.txt"
