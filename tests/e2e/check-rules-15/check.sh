source "$(dirname "$0")/../naming_check_tree.sh"
same_report "$(dirname "$0")/expected-report.txt" projects/PROJECTS/KLV-13001-DS001/KLV-13001-DS001_DESIGN_qa.txt
