# Saved choices the user may not read: the drawing type and the discipline.
s=projects/tester/PROJECTS
mkdir -p "$s"
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' > "$s/curproject.txt"
printf '"AS-BUILT"\r\n' > "$s/curdrawingtype.txt"
printf '"Civil"\r\n' > "$s/curdiscipline.txt"
printf '"07"\r\n' > "$s/facilnumber.txt"
chown -R --reference=. projects
chmod 000 "$s/curdrawingtype.txt" "$s/curdiscipline.txt"
