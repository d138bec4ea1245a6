set -e
[ ! -e projects/long ]
[ -f projects/PROJECTS/curproject.txt ]
