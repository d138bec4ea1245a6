# Two names that are not UTF-8 and differ in one byte (é and è in an older
# tool's code page).
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/../check-project-text/tree.txt"
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES
: > "$d/$(printf 'plan \xe9.dwg')"
: > "$d/$(printf 'plan \xe8.dwg')"
