# Names a JSON document must escape: a double quote, a tab, a control
# character, a letter outside ASCII, and a byte that is not UTF-8 at all.
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/../check-project-text/tree.txt"
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES
: > "$d/$(printf 'say "hi"\there.dwg')"
: > "$d/$(printf 'bell\001.dwg')"
: > "$d/$(printf 'KLV-13000-C000-01-C-\303\211P-01-02.dwg')"
: > "$d/$(printf 'latin1-\377.dwg')"
