# A project whose design and as-built trees are complete and clean.
source "$(dirname "$0")/../../e2e/office.sh"
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
write_record resources/projectscodes/KLV-30500-D000.txt KLV-30500-D000 "QUAY WALL, SOUTH"
lay_out_tree "$(dirname "$0")/../check-all/clean-tree.txt"
