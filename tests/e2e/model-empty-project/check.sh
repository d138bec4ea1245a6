set -e
[ -d projects/PROJECTS ]
[ -z "$(ls -A projects/PROJECTS)" ]
