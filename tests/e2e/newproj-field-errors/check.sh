set -e
[ ! -e resources/klvprojects.txt ]
[ "$(ls -A resources/projectscodes)" = "$(printf 'KLV-13000-C000.txt\nKLV-21400-PB00.txt')" ]
[ -z "$(ls -A resources/style_sheets)" ]
