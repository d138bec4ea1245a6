# The CSV and the JSON are UTF-8 that strict readers take; the two names stay
# two, each byte taken in Windows-1252.
set -e
"$CLI" check --project KLV-13000-C000 --type design --format json --no-report --ini "$W/trv.ini" \
    --user tester > "$W/json.raw" || [ $? = 1 ]
python3 - "$W/stdout.raw" "$W/json.raw" <<'PY'
import csv, json, sys
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8", errors="strict"), strict=True))
files = {r[5] for r in rows[1:]}
assert {"plan \u00e9.dwg", "plan \u00e8.dwg"} <= files, files
found = json.load(open(sys.argv[2], encoding="utf-8", errors="strict"))["findings"]
assert {"plan \u00e9.dwg", "plan \u00e8.dwg"} <= {f["file"] for f in found}
PY
