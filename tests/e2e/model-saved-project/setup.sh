source "$(dirname "$0")/../office.sh"
# The saved current project has no record (any more): it is not in the list.
mkdir -p projects/tester/PROJECTS
write_record projects/tester/PROJECTS/curproject.txt KLV-66666-Q000 "OLD PROJECT" klv-66666-q000
