set -e
d=delivery/klv2contractor/klv_resources/Standard_documents
for f in a.doc b.doc c.pdf sub/d.doc sub/e.xls; do [ "$(cat "$d/$f")" = "$f" ]; done
[ -z "$(ls -A delivery/klv2contractor/Database)" ]
