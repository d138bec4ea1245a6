set -e
[ ! -e projects/nobody ]
[ ! -e projects/tester ]
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' | cmp - projects/PROJECTS/curproject.txt
printf '"DESIGN"\r\n' | cmp - projects/PROJECTS/curdrawingtype.txt
printf '"03"\r\n' | cmp - projects/PROJECTS/facilnumber.txt
