set -e
[ -z "$(find projects/PROJECTS -type f)" ]
