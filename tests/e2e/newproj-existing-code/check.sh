set -e
[ ! -e resources/klvprojects.txt ]
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION"\r\n' | cmp - resources/projectscodes/KLV-13000-C000.txt
printf '"KLV-13001-C000","QUAY WALL"\r\n' | cmp - resources/projectscodes/klv-13001-c000.txt
[ "$(ls -A resources/projectscodes | wc -l)" = 3 ]
[ -z "$(ls -A resources/style_sheets)" ]
