set -e
d=projects/tester/PROJECTS
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' | cmp - $d/curproject.txt
printf '"AS-BUILT"\r\n' | cmp - $d/curdrawingtype.txt
printf '"Architectural"\r\n' | cmp - $d/curdiscipline.txt
printf '"07"\r\n' | cmp - $d/facilnumber.txt
