set -e
python3 -c 'import json,sys; d = json.load(open(sys.argv[1], encoding="utf-8")); assert [p["code"] for p in d["projects"]] == ["klv-1", "KLV-13000-C000", "KLV-21400-PB00", "KLV-30500-D000"], d' "$W/stdout.raw"
