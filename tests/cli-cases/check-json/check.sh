# A standard parser reads the document; the names come back as they are on
# disk (the byte that is not UTF-8 in Windows-1252); --no-report wrote nothing.
set -e
python3 - "$W/stdout.raw" <<'PY'
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
files = {f["file"] for f in d["findings"]}
for name in ['say "hi"\there.dwg', 'bell\x01.dwg', 'KLV-13000-C000-01-C-ÉP-01-02.dwg', 'latin1-\u00ff.dwg']:
    assert name in files, name
assert d["checked"] == [{"project": "KLV-13000-C000", "name": "HARBOUR TERMINAL EXTENSION", "drawing_type": "DESIGN",
                         "findings": len(d["findings"]), "report": None, "error": None}], d["checked"]
PY
[ ! -e projects/PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt ]
