# As-built drawings were chosen last time; start-up cannot restore the choice
# without a current project, so the list stays blank.
source "$(dirname "$0")/../office.sh"
mkdir -p projects/tester/PROJECTS
write_record projects/tester/PROJECTS/curdrawingtype.txt AS-BUILT
source "$(dirname "$0")/../naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
