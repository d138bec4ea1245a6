# Beside the sheet 004 of type 2, sheets whose numbers are too large to be
# increased: the largest 64-bit number, one past it, and 21 digits; type 3
# holds only one of 21 digits.
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
b=KLV-13000-C000-01-A-
mkdir -p "$d"
for n in 2004 29223372036854775807 29223372036854775808 2123456789012345678901 3123456789012345678901; do
    printf 's' > "$d/$b$n.dwg"
done
