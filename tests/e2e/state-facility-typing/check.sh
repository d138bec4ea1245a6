set -e
printf '"01"\r\n' | cmp - projects/tester/PROJECTS/facilnumber.txt
