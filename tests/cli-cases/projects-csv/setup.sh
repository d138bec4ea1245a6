# A third project whose name holds a comma, and a record file whose code
# has lower-case letters: listed, but its record is not found under the code
# the window looks for (the code in upper case).
source "$(dirname "$0")/../../e2e/office.sh"
write_record resources/projectscodes/KLV-30500-D000.txt KLV-30500-D000 "QUAY WALL, SOUTH"
write_record resources/projectscodes/klv-1.txt klv-1 "OLD"
