set -e
[ -z "$(ls -A resources/AEC_Resources/out)" ]
