set -e
# The list is as it was, line ends and all; the record stays (a record without
# its list line is what an interrupted creation may leave).
[[ $(stat -c %s resources/klvprojects.txt) == 4086 ]]
tail -c 2 resources/klvprojects.txt | od -An -c | grep -q '\\r  \\n'
printf '"KLV-13000-C000","RACE PROJECT"\r\n' | cmp - resources/projectscodes/KLV-13000-C000.txt
rm resources/fill
