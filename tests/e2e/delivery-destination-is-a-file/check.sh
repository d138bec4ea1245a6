set -e
printf 'in the way' | cmp - delivery
[ -z "$(find . -name klv2contractor)" ]
