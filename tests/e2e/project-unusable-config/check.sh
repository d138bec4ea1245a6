set -e
[ ! -e projects/PROJECTS ]
[ -z "$(find projects -name 'cur*.txt' -o -name facilnumber.txt)" ]
