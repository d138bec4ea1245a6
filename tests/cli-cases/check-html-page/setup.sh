# A made-up office for the compliance page: six registered projects, one of
# them with a record TRV cannot read and one without folders; drawings well named and misnamed across
# disciplines, missing folders, file names that must show as text, and a
# history of three earlier runs with a torn line and a foreign one.
source "$(dirname "$0")/../../e2e/office.sh"
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
root=projects/PROJECTS
write_record resources/projectscodes/KLV-22700-C000.txt KLV-22700-C000 "NORTH DEPOT YARD"
write_record resources/projectscodes/KLV-30500-D000.txt KLV-30500-D000 "QUAY WALL, SOUTH"
write_record resources/projectscodes/KLV-41200-C000.txt KLV-41200-C000 "RIVERSIDE SCHOOL & GYM"
: > resources/projectscodes/KLV-52000-C000.txt

# drawings PROJECT TYPE DISCIPLINE DESIGNATOR MODEL_CODE N: N model and N sheet files, all well named.
drawings() {
    local i
    for ((i = 1; i <= $6; i++)); do
        : > "$root/$1/$2/$3/MODEL_FILES/$1-02-$4-$5-01-$(printf %02d "$i").dwg"
        : > "$root/$1/$2/$3/SHEET_FILES/$1-02-$4-$((2000 + i)).dwg"
    done
}

lay_out_tree "$(dirname "$0")/../check-project-text/tree.txt"
lay_out_tree /dev/stdin <<'TREE'
+ KLV-13000-C000/AS-BUILT
+ KLV-22700-C000/DESIGN
- KLV-22700-C000/DESIGN/Mechanical
- KLV-22700-C000/DESIGN/Electrical/SHEET_FILES
+ KLV-22700-C000/AS-BUILT
- KLV-22700-C000/AS-BUILT/Equipment
+ KLV-30500-D000/DESIGN
+ KLV-30500-D000/AS-BUILT
+ KLV-41200-C000/DESIGN
+ KLV-41200-C000/AS-BUILT
TREE
drawings KLV-13000-C000 DESIGN Structural S FP 6
drawings KLV-13000-C000 AS-BUILT Civil C GP 5
drawings KLV-22700-C000 DESIGN Architectural A FP 4
drawings KLV-22700-C000 DESIGN Plumbing P WS 3
drawings KLV-30500-D000 DESIGN Civil C GP 9
drawings KLV-30500-D000 AS-BUILT Civil C GP 7
drawings KLV-41200-C000 DESIGN Architectural A FP 8
drawings KLV-41200-C000 DESIGN Structural S FP 5
drawings KLV-41200-C000 DESIGN Mechanical M HS 4
drawings KLV-41200-C000 AS-BUILT Architectural A FP 3

# Misnamed: a structural model under Mechanical, model codes Mechanical does
# not take, and names that must show as text, not markup.
m=$root/KLV-41200-C000/DESIGN/Mechanical/MODEL_FILES
: > "$m/KLV-41200-C000-02-S-FP-01-09.dwg"
: > "$m/KLV-41200-C000-02-M-FP-01-10.dwg"
: > "$m/KLV-41200-C000-02-M-XX-01-11.dwg"
: > "$root/KLV-41200-C000/DESIGN/Mechanical/SHEET_FILES/<img src=x onerror=alert(1)> & \"copy\" 'a'.dwg"
: > "$root/KLV-41200-C000/DESIGN/Structural/SHEET_FILES/$(printf 'caf\351 plan.dwg')"
: > "$root/KLV-22700-C000/DESIGN/Plumbing/MODEL_FILES/klv-22700-c000-02-p-ws-01-09.dwg"
: > "$root/KLV-22700-C000/DESIGN/Architectural/SHEET_FILES/KLV-22700-C000-02-A-2001 old.dwg"

{
    printf 'date,project,drawing_types,drawings,misnamed_drawings,missing_folder,length,project_code,designator,model_type\r\n'
    for run in "2026-09-01 08:00,30,9" "2026-10-01 08:00,34,6" "2026-11-02 08:00,36,4"; do
        IFS=, read -r date drawings misnamed <<< "$run"
        printf '%s,KLV-13000-C000,both,%s,%s,17,2,4,3,3\r\n' "$date" "$drawings" "$misnamed"
        printf '%s,KLV-22700-C000,both,%s,%s,3,1,1,1,0\r\n' "$date" "$((drawings / 2))" "$((misnamed / 3))"
        printf '%s,KLV-30500-D000,both,30,0,0,0,0,0,0\r\n' "$date"
        printf '%s,KLV-41200-C000,both,%s,%s,0,1,0,2,3\r\n' "$date" "$((drawings - 4))" "$((misnamed - 3))"
        # A run stopped mid-line; the next run began with a line end.
        if [[ $date == 2026-10* ]]; then printf '2026-10-15 08:00,KLV-41200-C000,both,3\r\n'; fi
        if [[ $date == 2026-09* ]]; then printf 'exported from the spreadsheet;;;\r\n'; fi
    done
} > history.csv
