set -e
[ ! -e delivery ]
[ -z "$(find . -name klv2contractor)" ]
