set -e
p=projects/PROJECTS/KLV-66666-Q000
for t in DESIGN AS-BUILT; do for k in MODEL_FILES SHEET_FILES; do [ -d "$p/$t/Architectural/$k" ]; done; done
