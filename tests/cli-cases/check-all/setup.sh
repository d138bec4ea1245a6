# Three registered projects: one with a design tree to find fault with, one
# whose trees are complete and clean, and one with no tree at all (its
# reports cannot be written: there is no project folder).
source "$(dirname "$0")/../../e2e/office.sh"
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
write_record resources/projectscodes/KLV-30500-D000.txt KLV-30500-D000 "QUAY WALL, SOUTH"
lay_out_tree "$(dirname "$0")/../check-project-text/tree.txt"
lay_out_tree "$(dirname "$0")/clean-tree.txt"
