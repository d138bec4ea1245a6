set -e
python3 -c 'import csv,sys; rows = list(csv.reader(open(sys.argv[1], newline=""), strict=True)); assert rows[4] == ["KLV-30500-D000", "QUAY WALL, SOUTH"], rows' "$W/stdout.raw"
