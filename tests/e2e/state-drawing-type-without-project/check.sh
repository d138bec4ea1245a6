set -e
printf '"AS-BUILT"\r\n' | cmp - projects/tester/PROJECTS/curdrawingtype.txt
[ ! -e projects/tester/PROJECTS/curproject.txt ]
