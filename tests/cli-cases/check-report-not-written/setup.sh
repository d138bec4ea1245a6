# A clean project whose report cannot be written: a folder stands where it
# goes (which holds for every user, root included).
source "$(dirname "$0")/../../e2e/office.sh"
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
write_record resources/projectscodes/KLV-30500-D000.txt KLV-30500-D000 "QUAY WALL, SOUTH"
lay_out_tree "$(dirname "$0")/../check-all/clean-tree.txt"
mkdir projects/PROJECTS/KLV-30500-D000/KLV-30500-D000_DESIGN_qa.txt
