set -e
# Nothing was left behind: no temporary file, and the folder is as it was.
p=projects/PROJECTS/KLV-13000-C000
[ "$(ls -A $p)" = "$(printf 'DESIGN\nKLV-13000-C000_DESIGN_qa.txt')" ]
[ -d $p/KLV-13000-C000_DESIGN_qa.txt ] && [ -z "$(ls -A $p/KLV-13000-C000_DESIGN_qa.txt)" ]
