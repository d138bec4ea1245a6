set -e
[[ $(stat -c %s resources/klvprojects.txt) == $((4086 + 44)) ]]
tail -c 44 resources/klvprojects.txt | cmp - <(printf '"KLV-13001-C000","SECOND","KLV-13001-C000"\r\n')
[ -z "$(find resources -name '.trv-*')" ]
