set -e
# Nothing was saved anywhere in the office.
[ -z "$(find . -name 'cur*.txt' -o -name facilnumber.txt)" ]
[ ! -e projects/tester ]
