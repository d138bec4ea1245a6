# A project whose internal code has 15 characters (a two-letter contract type).
source "$(dirname "$0")/../office.sh"
write_record resources/projectscodes/KLV-13001-DS001.txt "KLV-13001-DS001" "DRY DOCK REPAIRS"
source "$(dirname "$0")/../naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
