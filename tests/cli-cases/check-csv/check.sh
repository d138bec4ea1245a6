# A standard CSV reader gets the header and nine fields a record back, the
# names as they are on disk.
set -e
python3 - "$W/stdout.raw" <<'PY'
import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8"), strict=True))
assert rows[0] == ["project", "drawing_type", "discipline", "folder_kind", "folder", "file", "rule", "expected",
                   "suggested"], rows[0]
assert all(len(r) == 9 for r in rows), [r for r in rows if len(r) != 9]
files = {r[5] for r in rows[1:]}
for name in ["plan, old.dwg", 'the "final" plan.dwg', "two\nlines.dwg"]:
    assert name in files, name
PY
