set -e
d=delivery/klv2contractor/klv_resources/Standard_documents
[ "$(cat $d/e.doc)" = e.doc ]
[ -d $d/a.doc ] && [ -z "$(ls -A $d/a.doc)" ]
