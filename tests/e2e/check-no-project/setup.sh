# A saved drawing type, but no current project.
source "$(dirname "$0")/../office.sh"
mkdir -p projects/tester/PROJECTS
write_record projects/tester/PROJECTS/curdrawingtype.txt DESIGN
source "$(dirname "$0")/../naming_check_tree.sh"
lay_out_tree "$(dirname "$0")/tree.txt"
