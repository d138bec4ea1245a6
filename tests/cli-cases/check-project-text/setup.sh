source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
