# Every project with a folder got both reports; the one without got none.
set -e
for r in KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt KLV-13000-C000/KLV-13000-C000_AS-BUILT_qa.txt \
    KLV-30500-D000/KLV-30500-D000_DESIGN_qa.txt KLV-30500-D000/KLV-30500-D000_AS-BUILT_qa.txt; do
    [ -f "projects/PROJECTS/$r" ]
done
[ ! -e projects/PROJECTS/KLV-21400-PB00 ]
# Progress goes to standard error only when it is a terminal: none above
# (expected-stderr.txt), one line a project under a terminal.
script -qec "'$CLI' check --all --no-report --ini '$W/trv.ini' --user tester > /dev/null" /dev/null | tr -d '\r' > tty.txt
grep -qx 'trv-cli: checking KLV-13000-C000 (1 of 3)' tty.txt
grep -qx 'trv-cli: checking KLV-30500-D000 (3 of 3)' tty.txt
