# A source folder the user may not read, holding three files, beside three
# files that copy.
d=resources/Standard_documents
for f in a b c; do printf '%s' "$f" > "$d/$f.doc"; done
mkdir -p "$d/closed"
for f in x y z; do printf '%s' "$f" > "$d/closed/$f.doc"; done
chown -R --reference=. resources
chmod a-r "$d/closed"
