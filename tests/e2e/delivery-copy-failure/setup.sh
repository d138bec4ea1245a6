# Four files whose places in the delivery tree are taken by folders, one that
# copies; the fifth entry is the folder of the blocked ones.
for f in a.doc b.doc c.doc d.doc e.doc; do printf '%s' "$f" > "resources/Standard_documents/$f"; done
for f in a.doc b.doc c.doc d.doc; do mkdir -p "delivery/klv2contractor/klv_resources/Standard_documents/$f"; done
