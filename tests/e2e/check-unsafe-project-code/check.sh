set -e
printf 'kept' | cmp - projects/.._DESIGN_qa.txt
[ -z "$(find projects -name '*_qa.txt' ! -path 'projects/.._DESIGN_qa.txt')" ]
