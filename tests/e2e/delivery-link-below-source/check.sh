set -e
[ "$(ls -A resources/Standard_documents)" = a.doc ]
[ ! -e resources/AEC_Resources ] && [ ! -e resources/klv_resources ]
[ "$(ls -A delivery/klv2contractor)" = klv_resources ]
