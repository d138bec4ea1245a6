set -e
# What could not be read is still there, unchanged; the new choice is saved whole.
s=projects/tester/PROJECTS
chmod u+r "$s"/*.txt  # so that a check made as their owner, not as root, reads them
printf '"AS-BUILT"\r\n' | cmp - "$s/curdrawingtype.txt"
printf '"Civil"\r\n' | cmp - "$s/curdiscipline.txt"
printf '"07"\r\n' | cmp - "$s/facilnumber.txt"
printf '"KLV-21400-PB00","NORTH DEPOT WORKSHOPS","KLV-21400-PB00"\r\n' | cmp - "$s/curproject.txt"
[ "$(ls -A "$s" | wc -l)" -eq 4 ]
