# A folder stands where the report goes, so it cannot be written (this holds
# for every user, which a folder without write permission would not for root).
source "$(dirname "$0")/../naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
