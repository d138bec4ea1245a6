set -e
p=projects/PROJECTS/KLV-13000-C000
for t in DESIGN AS-BUILT; do for k in MODEL_FILES SHEET_FILES; do [ -d "$p/$t/Civil/$k" ]; done; done
