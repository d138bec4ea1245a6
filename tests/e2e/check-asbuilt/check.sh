source "$(dirname "$0")/../naming_check_tree.sh"
same_report "$(dirname "$0")/expected-report.txt" projects/PROJECTS/KLV-13000-C000/KLV-13000-C000_AS-BUILT_qa.txt
