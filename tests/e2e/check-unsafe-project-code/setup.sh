# The saved current project names no project folder but the folder above.
source "$(dirname "$0")/../office.sh"
mkdir -p projects/tester/PROJECTS projects/DESIGN/Civil/MODEL_FILES
write_record projects/tester/PROJECTS/curproject.txt ".." "NOWHERE" "KLV-13000-C000"
write_record projects/tester/PROJECTS/curdrawingtype.txt DESIGN
printf 'kept' > projects/.._DESIGN_qa.txt
