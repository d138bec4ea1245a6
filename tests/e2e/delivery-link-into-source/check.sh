set -e
[ "$(ls -A resources/AEC_Resources)" = symbol.dwg ]
