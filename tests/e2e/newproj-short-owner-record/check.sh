set -e
[ ! -e resources/klvprojects.txt ]
[ "$(ls -A resources/projectscodes)" = "KLV-21400-PB00.txt" ]
