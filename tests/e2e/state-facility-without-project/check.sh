set -e
[ ! -e projects/tester/PROJECTS/curproject.txt ]
printf '"07"\r\n' | cmp - projects/tester/PROJECTS/facilnumber.txt
