# Names a CSV record must quote: commas, double quotes, a line break.
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/../check-project-text/tree.txt"
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES
: > "$d/plan, old.dwg"
: > "$d/$(printf 'the "final" plan.dwg')"
: > "$d/$(printf 'two\nlines.dwg')"
