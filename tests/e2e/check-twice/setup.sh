source "$(dirname "$0")/../naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
# Last week's report, which the first run replaces.
printf '"stale report"\r\n' > projects/PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt
