set -e
printf '"KLV-21400-PB00","NORTH DEPOT WORKSHOPS","KLV-21400-PB00"\r\n' | cmp - projects/tester/PROJECTS/curproject.txt
