set -e
[ -f projects/tester/PROJECTS ]
[ ! -e projects/PROJECTS/KLV-13000-C000 ]
