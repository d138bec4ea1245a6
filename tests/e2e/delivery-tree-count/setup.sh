# One tree of three files and a subfolder holding two; the CAD-standards
# folder has no Database, File DSN or Standards.
mkdir -p resources/standard_documents/sub
for f in a.doc b.doc c.pdf sub/d.doc sub/e.xls; do printf '%s' "$f" > "resources/standard_documents/$f"; done
