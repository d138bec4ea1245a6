set -e
printf '"KLV-13000-C000","QUAY"\r\n' | cmp - resources/projectscodes/KLV-13000-C000.txt
printf '"KLV-13000-C000","QUAY","KLV-13000-C000"\r\n' | cmp - resources/klvprojects.txt
[ -z "$(ls -A resources/style_sheets)" ]
