# Now the project and the facility number cannot be read.
s=projects/tester/PROJECTS
chmod 644 "$s/curdrawingtype.txt" "$s/curdiscipline.txt"
chmod 000 "$s/curproject.txt" "$s/facilnumber.txt"
