set -e
d=delivery/klv2contractor/klv_resources/Standard_documents
[ "$(cat $d/a.doc $d/b.doc $d/c.doc)" = abc ]
[ -d $d/closed ] && [ -z "$(ls -A $d/closed)" ]
